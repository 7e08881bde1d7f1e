#include "app/StandIns.h"

#include "platform/Boolean.h"
#include "platform/ControlSite.h"
#include "platform/PropertyBag.h"

namespace tirnel {

namespace {

// Makes a control the way the window's loading does: tagged, then sited on the form and
// loaded from its stored settings.
template <class T>
T* LoadControl(QWidget* parent, const QString& name, const QString& tag, const PropertyBag& bag) {
    auto* control = new Hosted<T>(parent);
    control->Tag(tag);
    SiteControl(*control, name, &bag);
    return control;
}

// Every custom control of the window is set in 宋体 9 pt, simplified-Chinese character set.
FontRef WindowFont() { return FontObject::Create(QStringLiteral("宋体"), 9, FontObject::kCharsetGB2312); }

}  // namespace

ProgressBarControl* NewProgressBar(QWidget* parent, const QString& name, const QString& text) {
    // The window's stored settings for the bar; every key not written takes its read default.
    PropertyBag bag;
    bag.WriteInteger(QStringLiteral("Value"), 0, 50);
    bag.WriteInteger(QStringLiteral("Theme"), 8, 1);
    bag.WriteInteger(QStringLiteral("TextStyle"), 3, 1);
    bag.WriteFont(QStringLiteral("TextFont"), WindowFont(), nullptr);
    bag.WriteInteger(QStringLiteral("TextEffect"), 5, 1);
    bag.WriteColor(QStringLiteral("TextEffectColor"), RGB(255, 255, 255), 0);
    bag.WriteString(QStringLiteral("Text"), text, QString());

    return LoadControl<uo>(parent, name, QString(), bag);
}

// The bar's Value setter repaints at once.
void SetBarValue(ProgressBarControl* bar, int value) { bar->Value(value); }

int BarValue(const ProgressBarControl* bar) { return bar->Value(); }

void SetBarText(ProgressBarControl* bar, const QString& text) { bar->Text(text); }

QString BarText(const ProgressBarControl* bar) { return bar->Text(); }

OptionControl* NewOption(QWidget* parent, const QString& name, const QString& caption, const QString& tag,
                         bool value) {
    PropertyBag bag;
    bag.WriteFont(QStringLiteral("Font"), WindowFont(), nullptr);
    bag.WriteString(QStringLiteral("Caption"), caption, QString());
    bag.WriteBoolean(QStringLiteral("Value"), ToBoolean(value), kFalse);

    return LoadControl<ua>(parent, name, tag, bag);
}

bool OptionValue(const OptionControl* option) { return IsTrue(option->Value()); }

void SetOptionValue(OptionControl* option, bool value) { option->Value(ToBoolean(value)); }

void ChooseOption(OptionControl* on, OptionControl* off) {
    SetOptionValue(on, true);
    SetOptionValue(off, false);
}

void SetOptionEnabled(OptionControl* option, bool enabled) { option->Enabled(ToBoolean(enabled)); }

ButtonControl* NewButton(QWidget* parent, const QString& name, const QString& caption) {
    PropertyBag bag;
    bag.WriteInteger(QStringLiteral("ButtonStyle"), StyleRoundBlue, StyleThinEdge);
    bag.WriteFont(QStringLiteral("Font"), WindowFont(), nullptr);
    bag.WriteColor(QStringLiteral("BackColor"), RGB(236, 235, 231), 0);
    bag.WriteString(QStringLiteral("Caption"), caption, QString());

    return LoadControl<bt>(parent, name, QString(), bag);
}

}  // namespace tirnel
