#pragma once
// bt, the push button ("OrnButton", a multistyle button control). One class draws sixteen
// looks (ButtonStyle), shows a picture beside, above, below or behind its caption, can be a
// two-state (check box) button, shows a hover look while the pointer is over it and keeps
// its design-time settings in the container's property bag.
//
// It keeps one draw state (mState: normal, hover, down) and a few interaction flags, which
// its mouse, key and focus handlers update (btInput.cpp). At run time it hooks its own
// window and its container's window (btHooks.cpp): the pointer entering and leaving the
// button and the container's activation come through those hooks, after the windows'
// own handling. Every change repaints through PaintButton (btPaint.cpp): the renderer of
// the style paints the face, then picture and caption are drawn over it.
//
// The events are Qt signals whose arguments are references to the values the button holds
// while raising them, as the platform passes event arguments; connect them directly (a
// queued connection cannot carry references).

#include "controls/button/ButtonEnums.h"
#include "platform/Boolean.h"
#include "platform/Colors.h"
#include "platform/Control.h"
#include "platform/FontObject.h"
#include "platform/PictureObject.h"
#include "platform/PropertyTable.h"
#include "platform/Rect.h"

#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>

class QCursor;

namespace tirnel {

struct ButtonLook;
struct ButtonStyleTraits;

class bt : public Control {
    Q_OBJECT
public:
    // The name the About box gives first, and what it says the control is.
    static constexpr char kPublicName[] = "OrnButton";
    static constexpr char kSummary[] = "A Multistyle Button Control";
    // The fewest twips the button is wide or high.
    static constexpr int kMinimumTwips = 220;

    explicit bt(QWidget* parent = nullptr);

    // Properties. Each let stores the value, then does what its comment says; "repaints"
    // is a PaintButton, "announces" tells the container the property changed.

    // Repaints; announces.
    Color BackColor() const { return mBackColor; }
    void BackColor(Color New_BackColor);
    // Brings the style's colours and focus-rectangle flag, reshapes the window, repaints;
    // announces "ButtonStyle" only.
    std::int32_t ButtonStyle() const { return mButtonStyle; }
    void ButtonStyle(std::int32_t New_ButtonStyle);
    // Takes the access key from the caption's "&" marker, repaints; announces.
    QString Caption() const { return mCaption; }
    void Caption(const QString& New_Caption);
    // Repaints; announces.
    std::int32_t CaptionAlign() const { return mCaptionAlign; }
    void CaptionAlign(std::int32_t New_CaptionAlign);
    // False puts the button in its normal state; Value keeps what it holds. Repaints;
    // announces "Value", then "CheckBoxMode".
    std::int16_t CheckBoxMode() const { return mCheckBoxMode; }
    void CheckBoxMode(std::int16_t New_CheckBoxMode);
    // Enables or disables the window, repaints; announces.
    std::int16_t Enabled() const override { return mEnabled; }
    void Enabled(std::int16_t New_Enabled) override;
    // The caption's font, kept by reference: later changes to the object repaint. A null
    // font is ignored. Repaints; announces.
    FontRef Font() const { return mFont; }
    void Font(FontRef New_Font);
    // Becomes the surface's text colour; runs the size-change handler; announces.
    Color ForeColor() const { return mForeColor; }
    void ForeColor(Color New_ForeColor);
    // Shows the hand over the button while True. Announces; no repaint.
    std::int16_t HandPointer() const { return mHandPointer; }
    void HandPointer(std::int16_t New_HandPointer);
    // The control's window.
    QWidget* hwnd() { return hWnd(); }
    // Repaints; announces.
    Color MaskColor() const { return mMaskColor; }
    void MaskColor(Color New_MaskColor);
    // The custom cursor picture; setting it makes the cursor kind 99 (custom), or 0 for no
    // picture. Announces.
    PictureRef MouseIcon() const { return Control::MouseIcon(); }
    void MouseIcon(PictureRef New_MouseIcon);
    // The cursor kind (Control::MousePointer). Announces; a value that does not fit in 16
    // bits leaves the kind unchanged and announces nothing.
    std::int32_t MousePointer() const { return Control::MousePointer(); }
    void MousePointer(std::int32_t New_MousePointer);
    // No picture runs the size-change handler and announces nothing; a picture repaints
    // and announces.
    PictureRef Picture() const { return mPicture; }
    void Picture(PictureRef New_Picture);
    // Repaints while there is a picture; announces.
    std::int32_t PictureAlign() const { return mPictureAlign; }
    void PictureAlign(std::int32_t New_PictureAlign);
    // Repaints; announces.
    std::int32_t PictureSize() const { return mPictureSize; }
    void PictureSize(std::int32_t New_PictureSize);
    // The picture shown under the pointer; on a button without Picture it becomes Picture
    // too. As Picture otherwise.
    PictureRef PictureHover() const { return mPictureHover; }
    void PictureHover(PictureRef New_PictureHover);
    // Announces; no repaint.
    std::int16_t ShowFocusRect() const { return mShowFocusRect; }
    void ShowFocusRect(std::int16_t New_ShowFocusRect);
    // Repaints while there is a picture; announces.
    std::int16_t UseMaskColor() const { return mUseMaskColor; }
    void UseMaskColor(std::int16_t New_UseMaskColor);
    // Only in check-box mode: stores, False puts the button in its normal state, repaints,
    // announces. Otherwise the value is ignored and the button repaints in its normal state.
    std::int16_t Value() const { return mValue; }
    void Value(std::int16_t New_Value);

    // The modal About box.
    void About();

    // Does what a click does: in check-box mode turns Value over, then repaints and raises
    // Click. Assistive technology's press action comes here.
    void PerformClick();
    // What assistive technology is told besides: the caption, and whether the button is held
    // down, checked (in check-box mode) or the default button (btAccessible.cpp).
    AccessibleFacts Accessible() const override;

    // Called by the window hooks with each message the button watches (0x200 and 0x2A3 on
    // its own window, 0x6 or 0x86 on its container's), after the window's own handling.
    void zSubclass_Proc(bool bBefore, bool& bHandled, std::int32_t& lReturn, std::int32_t& lng_hWnd,
                        std::int32_t& uMsg, std::int32_t& wParam, std::int32_t& lParam);

    // Repaints the whole button: clears the surface, lets the style's renderer paint the
    // face for the draw state, then draws picture and caption.
    void PaintButton();

    // The draw state and interaction flags as they stand, for containers and tests.
    struct Interaction {
        std::int32_t mState;
        std::int16_t mIsOver, mMouseDown, mSpaceDown, mHasFocus, mParentActive, mIsDefault;
    };
    Interaction InteractionState() const {
        return {mState, mIsOver, mMouseDown, mSpaceDown, mHasFocus, mParentActive, mIsDefault};
    }
    // Whether the windows were hooked and leave notices asked for at load.
    bool TracksLeave() const { return IsTrue(mTrackLeave); }
    const Rect& CaptionFocusRect() const { return mCaptionFocusRect; }

signals:
    void Click();
    void DblClick();
    void MouseEnter();
    void MouseLeave();
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift);
    void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift);
    // Declared for containers that connect to it; never raised.
    void KeyPress(std::int16_t& KeyAcsii);

protected:
    void UserControl_Initialize() override;
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const PropertyBag& PropBag) override;
    void UserControl_WriteProperties(PropertyBag& PropBag) override;
    void UserControl_Resize() override;
    void UserControl_Terminate() override;
    void UserControl_AmbientChanged(const QString& PropertyName) override;

    void UserControl_MouseDown(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseMove(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseUp(int Button, int Shift, float X, float Y) override;
    void UserControl_DblClick() override;
    void UserControl_KeyDown(int KeyCode, int Shift) override;
    void UserControl_KeyUp(int KeyCode, int Shift) override;
    void UserControl_AccessKeyPress(int KeyAscii) override;
    void UserControl_GotFocus() override;
    void UserControl_LostFocus() override;

private:
    using MouseEvent = void (bt::*)(std::int16_t&, std::int16_t&, float&, float&);
    using KeyEvent = void (bt::*)(std::int16_t&, std::int16_t&);

    // Lifecycle and properties (bt.cpp).
    void ApplyStyleColors();
    // mWidth and mHeight from the surface, in nearest whole pixels.
    void ReadSurfaceSize();
    void StorePicture(PictureRef& member, PictureRef value, const QString& PropertyName);
    void AttachFont(FontRef font);
    void mFont_FontChanged(const QString& PropertyName);
    // Gives the window the shape of the style (a plain or rounded rectangle): rounded at the
    // size of the last repaint, plain at the surface's size now.
    void ApplyButtonShape();
    // The style's shape at a size.
    void ShapeWindow(int regionCorner, std::int32_t width, std::int32_t height);
    // The surface's cursor kind and custom cursor picture, as the property bag keeps them.
    std::int16_t CursorKind() const { return Control::MousePointer(); }
    void CursorKind(std::int16_t kind) { Control::MousePointer(kind); }
    PictureRef CursorPicture() const { return Control::MouseIcon(); }
    void CursorPicture(PictureRef picture) { Control::MouseIcon(std::move(picture)); }

    // Read steps between the keys (btPropertyBag.cpp).
    void UseReadFont();
    void TakeReadSettings();
    void RunResize() { UserControl_Resize(); }
    void PrepareRunMode();

    // Hooks and leave notices (btHooks.cpp).
    void HookWindows();
    void TrackMouseLeave();
    void PointerEntering();
    void PointerLeaving();
    void ContainerActivation(bool activated);

    // Painting (btPaint.cpp, btPicture.cpp).
    // A checked check button is drawn down, unless its look shows the check itself.
    void DrawCheckedDown(const ButtonStyleTraits& style);
    // The snapshot one repaint draws from.
    ButtonLook TakeLook(const ButtonStyleTraits& style) const;
    void DrawPictureAndCaption(const ButtonLook& look);
    void UpdateAccessKey();

    // Input (btInput.cpp).
    void ShowHandCursor();
    void RaiseMouse(MouseEvent event, int Button, int Shift, float X, float Y);
    void RaiseKey(KeyEvent event, int KeyCode, int Shift);

    static const std::array<PropertyKey<bt>, 23> kPropertyKeys;

    std::int32_t mButtonStyle = StyleStandard;
    std::int32_t mState = StateNormal;
    PictureRef mPicture;
    PictureRef mPictureHover;
    std::int32_t mPictureSize = PicSizeOriginal;
    std::int32_t mPictureAlign = PicLeftOfCaption;
    QString mCaption;
    std::int32_t mCaptionAlign = CaptionCenter;
    Color mBackColor = 0;
    Color mForeColor = 0;
    Color mMaskColor = 0;
    std::int16_t mUseMaskColor = kFalse;
    std::int16_t mCheckBoxMode = kFalse;
    std::int16_t mValue = kFalse;
    std::int16_t mShowFocusRect = kFalse;
    std::int16_t mHandPointer = kFalse;
    std::int16_t mEnabled = kTrue;
    FontRef mFont;
    QMetaObject::Connection mFontWatch;

    std::int16_t mIsOver = kFalse;
    std::int16_t mMouseDown = kFalse;
    std::int16_t mSpaceDown = kFalse;
    std::int16_t mHasFocus = kFalse;
    std::int16_t mParentActive = kFalse;
    std::int16_t mIsDefault = kFalse;
    std::int16_t mLastButton = 0;
    std::int16_t mLastShift = 0;
    float mLastX = 0;
    float mLastY = 0;
    // A space press (not Alt+Space) reached this button since the last space release: only
    // then does a release act.
    bool mSpacePressed = false;
    // AccessKeyPress is letting pending events run before its Click.
    bool mInAccessKey = false;
    // The pointer was taken by a double click; its release lets it go.
    bool mDoubleClickCapture = false;

    std::int16_t mIsNT = kTrue;
    const QCursor* mHandCursor = nullptr;
    QPointer<QWidget> mParentHwnd;
    std::int16_t mTrackLeave = kFalse;
    std::int16_t mTrackUser32 = kFalse;
    std::int32_t mWidth = 0;
    std::int32_t mHeight = 0;
    std::int32_t mPicWidth = 0;
    std::int32_t mPicHeight = 0;
    Rect mCaptionFocusRect;
};

}  // namespace tirnel
