// How a button comes to its settings from the container's property bag, and how it stores
// them. Reading assigns the members in its own order (a stored Value survives although
// CheckBoxMode is read after it), then takes the settings into the surface and the window,
// sizes and paints the button and, at run time only, hooks the windows.

#include "controls/button/bt.h"

#include "platform/Form.h"
#include "platform/HandCursor.h"
#include "platform/LeaveTracking.h"
#include "platform/MessageHooks.h"

namespace tirnel {

namespace {

const Color kFaceRgb = TranslateColor(SystemColor(kColorButtonFace));
const Color kTextRgb = TranslateColor(SystemColor(kColorButtonText));

}  // namespace

// Read order first, write order second; steps are read only.
const std::array<PropertyKey<bt>, 23> bt::kPropertyKeys = {{
    {"ButtonStyle", 10, 1, IntegerKey<bt>{&bt::mButtonStyle, StyleThinEdge, StyleThinEdge}},
    {"ShowFocusRect", 20, 2, BooleanKey<bt>{&bt::mShowFocusRect, kFalse, kFalse}},
    {"Font", 30, 4, AmbientFontKey<bt>{&bt::mFont}},
    {nullptr, 31, 0, ReadStep<bt>{&bt::UseReadFont}},
    {"BackColor", 40, 5, ColorKey<bt>{&bt::mBackColor, kFaceRgb, kFaceRgb}},
    {"Enabled", 50, 3, BooleanKey<bt>{&bt::mEnabled, kTrue, kTrue}},
    {"Caption", 60, 6,
     TextKey<bt>{&bt::mCaption, TextDefault::Fixed("ornbutton"), TextDefault::Fixed("ornbutton1")}},
    {"Value", 70, 9, BooleanKey<bt>{&bt::mValue, kFalse, kFalse}},
    {"MousePointer", 80, 10, ShortKey<bt>{{&bt::CursorKind, &bt::CursorKind}, 0, 0}},
    {"HandPointer", 90, 11, BooleanKey<bt>{&bt::mHandPointer, kFalse, kFalse}},
    {"MouseIcon", 100, 12, PictureKey<bt>{{&bt::CursorPicture, &bt::CursorPicture}}},
    {"Picture", 110, 13, PictureKey<bt>{&bt::mPicture}},
    {"PictureHover", 120, 14, PictureKey<bt>{&bt::mPictureHover}},
    {"PictureSize", 130, 16, IntegerKey<bt>{&bt::mPictureSize, PicSizeOriginal, PicSizeOriginal}, "pictureSize"},
    {"MaskColor", 140, 18, ColorKey<bt>{&bt::mMaskColor, 0xE0E0E0, 0xE0E0E0}},
    {"UseMaskCOlor", 150, 17, BooleanKey<bt>{&bt::mUseMaskColor, kFalse, kFalse}},
    {"CheckBoxMode", 160, 8, BooleanKey<bt>{&bt::mCheckBoxMode, kFalse, kFalse}},
    {"PictureAlign", 170, 15, IntegerKey<bt>{&bt::mPictureAlign, PicLeftOfCaption, PicLeftOfCaption}},
    {"CaptionAlign", 180, 19, IntegerKey<bt>{&bt::mCaptionAlign, CaptionCenter, CaptionCenter}},
    {"ForeColor", 190, 7, ColorKey<bt>{&bt::mForeColor, kTextRgb, kTextRgb}},
    {nullptr, 200, 0, ReadStep<bt>{&bt::TakeReadSettings}},
    {nullptr, 210, 0, ReadStep<bt>{&bt::RunResize}},
    {nullptr, 220, 0, ReadStep<bt>{&bt::PrepareRunMode}},
}};

void bt::UserControl_ReadProperties(const PropertyBag& PropBag) { ReadPropertyTable(*this, kPropertyKeys, PropBag); }

void bt::UserControl_WriteProperties(PropertyBag& PropBag) { WritePropertyTable(*this, kPropertyKeys, PropBag); }

// A font stored empty reads as the container's, so the button never goes without one.
void bt::UseReadFont() {
    FontRef font = mFont ? mFont : (Ambient().Font ? Ambient().Font->Clone() : FontObject::Create());
    AttachFont(std::move(font));
}

void bt::TakeReadSettings() {
    DrawingSurface().SetForeColor(mForeColor);
    Control::Enabled(mEnabled);
    UpdateAccessKey();
    ReadSurfaceSize();
    mParentHwnd = ContainerWindow();
}

void bt::PrepareRunMode() {
    if (!IsTrue(Ambient().UserMode)) return;
    if (IsTrue(mHandPointer)) {
        mHandCursor = &HandCursor();
        mHandPointer = ToBoolean(mHandCursor != nullptr);
    }
    // Leave notices stand in for both of the platform's tracking functions.
    mTrackLeave = ToBoolean(LeaveTrackingAvailable());
    mTrackUser32 = mTrackLeave;
    if (IsTrue(mTrackLeave)) HookWindows();
}

}  // namespace tirnel
