#pragma once
// ua, the option: a small round state picture followed by a caption. Clicking anywhere on it
// turns it on and every other option of the same window with the same Tag off, whatever
// containers they sit in; options with an empty Tag form one group of their own. It shows
// its state in eight pictures (off and on, each at rest, under the pointer, pressed and
// disabled) and notices that the pointer has left it by polling the pointer every 10 ms
// (the leave watch), raising MouseOut then.
//
// Parts: `p` shows the current state picture, `img`(0..7) hold the eight pictures, `lbl`
// is the caption, `Timer1` drives the leave watch. `p` and `lbl` have no windows of their
// own: they draw on the control's surface and get the pointer input that falls on them.
// Pointer coordinates, of the control and of its parts, are pixels of the client area.
//
// From the keyboard (uaKeyboard.cpp): the space bar selects the option as a click does, the
// arrow keys move to the previous or next option of its group and select it, and Tab stops
// at one option of each group only, so it leaves the group. While the focus came from the
// keyboard, a dotted rectangle round the caption marks it.
//
// The events are Qt signals whose arguments are references to the values the control holds
// while raising them, as the platform passes event arguments; connect them directly (a
// queued connection cannot carry references).

#include "controls/option/CaptionLabel.h"
#include "controls/option/ImageHolder.h"
#include "controls/option/StatePictures.h"
#include "platform/Boolean.h"
#include "platform/Colors.h"
#include "platform/Control.h"
#include "platform/FontObject.h"
#include "platform/PointerService.h"

#include <QString>
#include <QTimer>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tirnel {

class ua : public Control {
    Q_OBJECT
public:
    // The caption's colour while the option is disabled.
    static constexpr Color kDisabledCaptionColor = RGB(161, 161, 146);
    static constexpr Color kDefaultBackColor = SystemColor(kColorButtonFace);
    static constexpr int kLeaveWatchInterval = 10;  // ms

    explicit ua(QWidget* parent = nullptr);

    // The control's enabled flag. Setting it shows the state picture (the disabled one while
    // disabled), gives the caption ForeColor (RGB(161, 161, 146) while disabled) and
    // announces "Enabled".
    std::int16_t Enabled() const override;
    void Enabled(std::int16_t New_Enabled) override;
    // True when on. Setting it shows the matching picture and announces "Value"; the other
    // options of the group are left alone and no event is raised.
    std::int16_t Value() const { return mValue; }
    void Value(std::int16_t New_Value);
    // The caption; setting it lays the parts out again and announces "Caption".
    QString Caption() const { return lbl.Caption; }
    void Caption(const QString& New_Caption);
    // The font of the caption, kept by reference: later changes to the object lay the parts
    // out again. Setting it announces "Font"; an empty reference is ignored.
    FontRef Font() const { return mFont; }
    void Font(FontRef New_Font);
    // The control's background. Setting it announces "BackColor" and repaints.
    Color BackColor() const { return mBackColor; }
    void BackColor(Color New_BackColor);
    // The caption's colour while enabled. Setting it announces "ForeColor".
    Color ForeColor() const { return mForeColor; }
    void ForeColor(Color New_ForeColor);

    // Does what a click does: raises Click, then turns every option of the group off and this
    // one on. The space bar and assistive technology's toggle action come here.
    void PerformClick();
    // What assistive technology is told besides: the caption, and checked while on
    // (uaAccessible.cpp).
    AccessibleFacts Accessible() const override;
    // Whether the dotted rectangle round the caption shows that the keyboard's focus is here.
    bool ShowsFocusMark() const { return mFocusCue && hasFocus(); }

    // Where the leave watch finds the pointer; the pointer service's unless replaced.
    void UseCursorPositionSource(CursorPositionSource source);

    // The parts as they stand, for containers and tests.
    const ImageHolder& PicturePart() const { return p; }
    const CaptionLabel& CaptionPart() const { return lbl; }
    const ImageHolder& StateImage(int Index) const { return img.at(static_cast<std::size_t>(Index)); }
    bool LeaveWatchRunning() const { return Timer1.isActive(); }

signals:
    void Click();
    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift);
    void KeyPress(std::int16_t& KeyAscii);
    void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift);
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void MouseOut();

protected:
    void UserControl_Initialize() override;
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const PropertyBag& PropBag) override;
    void UserControl_WriteProperties(PropertyBag& PropBag) override;
    void UserControl_Resize() override;
    void UserControl_Terminate() override;
    void UserControl_AmbientChanged(const QString& PropertyName) override;

    // The control's own surface; the parts' input arrives here too (uaInput.cpp).
    void UserControl_MouseDown(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseMove(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseUp(int Button, int Shift, float X, float Y) override;
    void UserControl_Click() override;
    void UserControl_KeyDown(int KeyCode, int Shift) override;
    void UserControl_KeyUp(int KeyCode, int Shift) override;
    void UserControl_KeyPress(int KeyAscii) override;

    // Pointer input on `p` or `lbl` goes to the part; the rest to the control's own surface.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The focus mark comes and goes with the focus (uaKeyboard.cpp).
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    using MouseEvent = void (ua::*)(std::int16_t&, std::int16_t&, float&, float&);

    void ShowStateImage();
    void ShowDisabledImage();
    // Puts the picture of that look (and the current Value) into `p`.
    void ShowImage(StateLook look);
    void ApplyCaptionColor();
    // Paints the background, `p`, `lbl` and, while it shows, the focus mark onto the surface.
    void Redraw();
    // Keeps the font, shares it with the caption and listens to its changes.
    void AttachFont(FontRef font);
    void mFont_FontChanged(const QString& PropertyName);

    void Timer1_Timer();
    void StartLeaveWatch();

    void RaiseMouse(MouseEvent event, int Button, int Shift, float X, float Y);
    // The options of this one's group on its window, at any depth of containers, this one
    // included.
    std::vector<ua*> Group();
    // Value, with the option's group already found: a click sets the whole group with one
    // search of the window.
    void SetValue(std::int16_t New_Value, const std::vector<ua*>& group);
    // Keyboard (uaKeyboard.cpp). The option the arrow keys go to from here, wrapping round
    // through the group in tab order: an enabled one; this one when there is no other.
    ua* Neighbour(bool next);
    void SelectNeighbour(bool next);
    void SelectPrevious() { SelectNeighbour(false); }
    void SelectNext() { SelectNeighbour(true); }
    // Tab stops at one option of the group: the first enabled one that is on, else the first
    // enabled one; the others take the focus only from the pointer or the arrow keys.
    void UpdateTabStops(const std::vector<ua*>& group);
    // The part under a point of the client area, or nullptr for the control's own surface.
    const WindowlessPart* PartAt(const QPointF& position) const;

    ImageHolder p;
    std::array<ImageHolder, kStatePictureCount> img;
    CaptionLabel lbl;
    QTimer Timer1;

    std::int16_t mValue = kFalse;
    FontRef mFont;
    Color mBackColor = kDefaultBackColor;
    Color mForeColor = 0;
    QMetaObject::Connection mFontWatch;
    CursorPositionSource mCursorPosition = CursorPosition;
    // The user works the option from the keyboard: the focus came by Tab or an arrow key, or
    // a key was pressed on it since.
    bool mFocusCue = false;

    // A press holds the pointer for where it began (a part, or the control's own surface
    // when `part` is null) until every button is up.
    struct PointerHold {
        bool active = false;
        const WindowlessPart* part = nullptr;
        bool leftPressed = false;  // a left press on the part that a release there makes a click of
    };
    PointerHold mHold;
};

}  // namespace tirnel
