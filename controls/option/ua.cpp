// The option's properties, pictures, layout and painting, and the click that turns a group.

#include "controls/option/ua.h"

#include "controls/option/OptionLayout.h"
#include "platform/WindowControls.h"

#include <utility>

namespace tirnel {

namespace {

const QString kDesignCaption = QStringLiteral("Label1");

}  // namespace

ua::ua(QWidget* parent) : Control(parent) {
    Timer1.setInterval(kLeaveWatchInterval);
    connect(&Timer1, &QTimer::timeout, this, &ua::Timer1_Timer);
    for (std::size_t i = 0; i < img.size(); ++i) {
        img[i].Picture = StatePicture(static_cast<int>(i));
        img[i].Visible = false;
    }
    lbl.Caption = kDesignCaption;
    AttachFont(FontObject::Create());
}

void ua::UserControl_Initialize() {
    UserControl_Resize();
    ShowStateImage();
    // Run time only: the leave watch runs from creation until it first finds the pointer outside.
    StartLeaveWatch();
}

void ua::UserControl_InitProperties() {
    Caption(Ambient().DisplayName);
    Enabled(kTrue);
    Value(kFalse);
    Font(Ambient().Font);
    BackColor(kDefaultBackColor);
    ForeColor(0);
}

void ua::UserControl_Terminate() { Timer1.stop(); }

void ua::UserControl_AmbientChanged(const QString& PropertyName) {
    if (PropertyName == QLatin1String("UserMode") && !IsTrue(Ambient().UserMode)) Timer1.stop();
}

std::int16_t ua::Enabled() const { return Control::Enabled(); }

void ua::Enabled(std::int16_t New_Enabled) {
    Control::Enabled(New_Enabled);
    if (IsTrue(Enabled())) {
        ShowStateImage();
    } else {
        ShowDisabledImage();
    }
    ApplyCaptionColor();
    UpdateTabStops(Group());
    PropertyChanged(QStringLiteral("Enabled"));
}

void ua::Value(std::int16_t New_Value) { SetValue(New_Value, Group()); }

void ua::SetValue(std::int16_t New_Value, const std::vector<ua*>& group) {
    mValue = ToBoolean(IsTrue(New_Value));
    ShowStateImage();
    UpdateTabStops(group);
    PropertyChanged(QStringLiteral("Value"));
}

void ua::Caption(const QString& New_Caption) {
    lbl.Caption = New_Caption;
    UserControl_Resize();
    PropertyChanged(QStringLiteral("Caption"));
}

void ua::Font(FontRef New_Font) {
    if (!New_Font) return;
    AttachFont(std::move(New_Font));
    UserControl_Resize();
    PropertyChanged(QStringLiteral("Font"));
}

void ua::AttachFont(FontRef font) {
    disconnect(mFontWatch);
    mFont = std::move(font);
    mFontWatch = connect(mFont.get(), &FontObject::FontChanged, this, &ua::mFont_FontChanged);
    lbl.Font = mFont;
}

void ua::mFont_FontChanged(const QString& /*PropertyName*/) { UserControl_Resize(); }

void ua::BackColor(Color New_BackColor) {
    mBackColor = New_BackColor;
    PropertyChanged(QStringLiteral("BackColor"));
    Redraw();
}

void ua::ForeColor(Color New_ForeColor) {
    mForeColor = New_ForeColor;
    PropertyChanged(QStringLiteral("ForeColor"));
    ApplyCaptionColor();
}

void ua::ApplyCaptionColor() {
    lbl.ForeColor = IsTrue(Enabled()) ? mForeColor : kDisabledCaptionColor;
    Redraw();
}

void ua::ShowStateImage() {
    if (IsTrue(Enabled())) {
        ShowImage(LookAtRest);
    } else {
        ShowDisabledImage();
    }
}

void ua::ShowDisabledImage() { ShowImage(LookDisabled); }

void ua::ShowImage(StateLook look) {
    const PictureRef& picture = img[static_cast<std::size_t>(StatePictureIndex(look, IsTrue(mValue)))].Picture;
    if (p.Picture == picture) return;
    p.Picture = picture;
    Redraw();
}

// The layout is worked out in twips from the control's height; the label measures its
// caption in the label's font.
void ua::UserControl_Resize() {
    const QSize caption = lbl.AutoSize(DrawingSurface());
    const OptionPlacement placement = PlaceOptionParts(Height(), caption.width(), caption.height());
    p.Bounds = placement.picture;
    lbl.Bounds = placement.label;
    Redraw();
}

void ua::Redraw() {
    Surface& surface = DrawingSurface();
    surface.SetBackColor(mBackColor);
    surface.Clear();
    p.Paint(surface);
    lbl.Paint(surface);
    if (ShowsFocusMark()) surface.DrawFocusRect(FocusMarkAround(lbl.Bounds, width(), height()));
}

void ua::UserControl_Click() { PerformClick(); }

// Click is raised before the group changes, also for an option that is on already.
void ua::PerformClick() {
    emit Click();
    const std::vector<ua*> group = Group();
    for (ua* option : group) option->SetValue(kFalse, group);
    SetValue(kTrue, group);
    ShowStateImage();
}

std::vector<ua*> ua::Group() {
    std::vector<ua*> group;
    const QString tag = Tag();
    for (ua* option : ControlsOnWindow<ua>(window()))
        if (option->Tag() == tag) group.push_back(option);
    return group;
}

void ua::UseCursorPositionSource(CursorPositionSource source) {
    mCursorPosition = source ? std::move(source) : CursorPositionSource(CursorPosition);
}

}  // namespace tirnel
