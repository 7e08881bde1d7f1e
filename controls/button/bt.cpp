// The button's lifecycle and properties.

#include "controls/button/bt.h"

#include "controls/button/ButtonStyleTraits.h"
#include "controls/button/ButtonColors.h"
#include "platform/AboutBox.h"
#include "platform/HandCursor.h"
#include "platform/Nearest.h"
#include "platform/Region.h"

#include <limits>

namespace tirnel {

bt::bt(QWidget* parent) : Control(parent) {
    // A focused button takes Enter itself and shows as the default meanwhile.
    DefaultCapable(true);
}

// -- lifecycle ---------------------------------------------------------------------------

void bt::UserControl_Initialize() {
    // Text is drawn as Unicode: the NT family's way.
    mIsNT = kTrue;
    DrawingSurface().SetBackColor(TranslateColor(SystemColor(kColorButtonFace)));
}

void bt::UserControl_InitProperties() {
    mShowFocusRect = kTrue;
    mEnabled = kTrue;
    mButtonStyle = StyleStandard;
    mCaption = Ambient().DisplayName;
    // A new button takes the container's font in Tahoma, so it always has a font to save.
    FontRef font = Ambient().Font ? Ambient().Font->Clone() : FontObject::Create();
    font->Name(QStringLiteral("Tahoma"));
    AttachFont(std::move(font));
    mPictureAlign = PicLeftOfCaption;
    mCaptionAlign = CaptionCenter;
    mUseMaskColor = kFalse;
    mMaskColor = 0xE0E0E0;
    ReadSurfaceSize();
    ApplyStyleColors();
}

// The host's unloading then removes every hook this button made, whatever the user mode is
// now, and lets go of the pointer if the button holds it.
void bt::UserControl_Terminate() { disconnect(mFontWatch); }

void bt::ReadSurfaceSize() {
    mWidth = Nearest(ScaleWidth());
    mHeight = Nearest(ScaleHeight());
}

void bt::ApplyStyleColors() {
    const ButtonStyleTraits& traits = StyleTraits(mButtonStyle);
    if (traits.backColor != kKeepBackColor) {
        mBackColor = TranslateColor(traits.backColor);
        if (traits.backShift != 0.0f) mBackColor = ShiftColor(mBackColor, traits.backShift);
    }
    mForeColor = TranslateColor(traits.foreColor);
    mShowFocusRect = ToBoolean(traits.focusRect);
}

void bt::ApplyButtonShape() {
    const int corner = StyleTraits(mButtonStyle).regionCorner;
    if (corner > 0) {
        ShapeWindow(corner, mWidth, mHeight);
    } else {
        ShapeWindow(corner, Nearest(ScaleWidth()), Nearest(ScaleHeight()));
    }
}

void bt::ShapeWindow(int regionCorner, std::int32_t width, std::int32_t height) {
    const Region region = regionCorner > 0
                              ? Region::CreateRoundRectRgn(0, 0, width + 1, height + 1, regionCorner, regionCorner)
                              : Region::CreateRectRgn(0, 0, width, height);
    SetWindowRgn(region.ToQRegion(), true);
}

void bt::UserControl_Resize() {
    if (Height() < kMinimumTwips) Height(kMinimumTwips);
    if (Width() < kMinimumTwips) Width(kMinimumTwips);
    // The shape takes the new size, not the one of the last repaint.
    ReadSurfaceSize();
    ApplyButtonShape();
    PaintButton();
}

void bt::AttachFont(FontRef font) {
    disconnect(mFontWatch);
    mFont = std::move(font);
    DrawingSurface().SetFont(mFont->ToQFont());
    mFontWatch = connect(mFont.get(), &FontObject::FontChanged, this, &bt::mFont_FontChanged);
}

void bt::mFont_FontChanged(const QString& /*PropertyName*/) {
    DrawingSurface().SetFont(mFont->ToQFont());
    Refresh();
    PaintButton();
    PropertyChanged(QStringLiteral("Font"));
}

void bt::About() { ShowAboutBox(this, QLatin1String(kPublicName), QLatin1String(kSummary)); }

// -- properties --------------------------------------------------------------------------

void bt::BackColor(Color New_BackColor) {
    mBackColor = New_BackColor;
    PaintButton();
    PropertyChanged(QStringLiteral("BackColor"));
}

void bt::ButtonStyle(std::int32_t New_ButtonStyle) {
    mButtonStyle = New_ButtonStyle;
    ApplyStyleColors();
    ApplyButtonShape();
    PaintButton();
    PropertyChanged(QStringLiteral("ButtonStyle"));
}

void bt::Caption(const QString& New_Caption) {
    mCaption = New_Caption;
    UpdateAccessKey();
    PaintButton();
    PropertyChanged(QStringLiteral("Caption"));
}

void bt::CaptionAlign(std::int32_t New_CaptionAlign) {
    mCaptionAlign = New_CaptionAlign;
    PaintButton();
    PropertyChanged(QStringLiteral("CaptionAlign"));
}

void bt::CheckBoxMode(std::int16_t New_CheckBoxMode) {
    mCheckBoxMode = New_CheckBoxMode;
    if (!IsTrue(New_CheckBoxMode)) mState = StateNormal;
    PaintButton();
    PropertyChanged(QStringLiteral("Value"));
    PropertyChanged(QStringLiteral("CheckBoxMode"));
}

void bt::Enabled(std::int16_t New_Enabled) {
    mEnabled = New_Enabled;
    Control::Enabled(New_Enabled);
    PaintButton();
    PropertyChanged(QStringLiteral("Enabled"));
}

void bt::Font(FontRef New_Font) {
    if (!New_Font) return;
    AttachFont(std::move(New_Font));
    Refresh();
    PaintButton();
    PropertyChanged(QStringLiteral("Font"));
    mFont_FontChanged(QString());
}

void bt::ForeColor(Color New_ForeColor) {
    mForeColor = New_ForeColor;
    DrawingSurface().SetForeColor(New_ForeColor);
    UserControl_Resize();
    PropertyChanged(QStringLiteral("ForeColor"));
}

// The hand is loaded when first needed, so a button given HandPointer after loading shows it
// too; taking it away gives the button its own cursor back.
void bt::HandPointer(std::int16_t New_HandPointer) {
    mHandPointer = New_HandPointer;
    if (!IsTrue(New_HandPointer)) {
        ApplyHandCursor(*this, false);
        CursorKind(CursorKind());
    }
    PropertyChanged(QStringLiteral("HandPointer"));
}

void bt::MaskColor(Color New_MaskColor) {
    mMaskColor = New_MaskColor;
    PaintButton();
    PropertyChanged(QStringLiteral("MaskColor"));
}

void bt::MouseIcon(PictureRef New_MouseIcon) {
    const bool picture = !IsEmptyPicture(New_MouseIcon);
    CursorPicture(std::move(New_MouseIcon));
    CursorKind(picture ? 99 : 0);
    PropertyChanged(QStringLiteral("MouseIcon"));
}

void bt::MousePointer(std::int32_t New_MousePointer) {
    if (New_MousePointer < std::numeric_limits<std::int16_t>::min() ||
        New_MousePointer > std::numeric_limits<std::int16_t>::max())
        return;
    CursorKind(static_cast<std::int16_t>(New_MousePointer));
    PropertyChanged(QStringLiteral("MousePointer"));
}

// No picture sizes the button anew and announces nothing; a picture repaints and announces.
void bt::StorePicture(PictureRef& member, PictureRef value, const QString& PropertyName) {
    member = std::move(value);
    if (IsEmptyPicture(member)) {
        UserControl_Resize();
        return;
    }
    PaintButton();
    PropertyChanged(PropertyName);
}

void bt::Picture(PictureRef New_Picture) { StorePicture(mPicture, std::move(New_Picture), QStringLiteral("Picture")); }

void bt::PictureAlign(std::int32_t New_PictureAlign) {
    mPictureAlign = New_PictureAlign;
    if (!IsEmptyPicture(mPicture)) PaintButton();
    PropertyChanged(QStringLiteral("PictureAlign"));
}

void bt::PictureSize(std::int32_t New_PictureSize) {
    mPictureSize = New_PictureSize;
    PaintButton();
    PropertyChanged(QStringLiteral("PictureSize"));
}

void bt::PictureHover(PictureRef New_PictureHover) {
    if (IsEmptyPicture(mPicture)) {
        mPicture = New_PictureHover;
        PropertyChanged(QStringLiteral("Picture"));
    }
    StorePicture(mPictureHover, std::move(New_PictureHover), QStringLiteral("PictureHover"));
}

void bt::ShowFocusRect(std::int16_t New_ShowFocusRect) {
    mShowFocusRect = New_ShowFocusRect;
    PropertyChanged(QStringLiteral("ShowFocusRect"));
}

void bt::UseMaskColor(std::int16_t New_UseMaskColor) {
    mUseMaskColor = New_UseMaskColor;
    if (!IsEmptyPicture(mPicture)) PaintButton();
    PropertyChanged(QStringLiteral("UseMaskColor"));
}

void bt::Value(std::int16_t New_Value) {
    if (IsTrue(mCheckBoxMode)) {
        mValue = New_Value;
        if (!IsTrue(New_Value)) mState = StateNormal;
        PaintButton();
        PropertyChanged(QStringLiteral("Value"));
    } else {
        mState = StateNormal;
        PaintButton();
    }
}

}  // namespace tirnel
