#include "app/StandIns.h"

#include <QButtonGroup>

namespace tirnel {

namespace {

constexpr const char* kTagProperty = "Tag";

QButtonGroup* OptionGroupOf(QWidget* window, const QString& tag) {
    const QString name = QStringLiteral("optionGroup:") + tag;
    if (auto* group = window->findChild<QButtonGroup*>(name, Qt::FindDirectChildrenOnly)) return group;
    auto* group = new QButtonGroup(window);
    group->setObjectName(name);
    group->setExclusive(true);
    return group;
}

}  // namespace

ProgressBarControl* NewProgressBar(QWidget* parent, const QString& name, const QString& text) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setAlignment(Qt::AlignCenter);
    bar->setTextVisible(true);
    SetBarText(bar, text);
    return bar;
}

void SetBarValue(ProgressBarControl* bar, int value) { bar->setValue(value); }

int BarValue(const ProgressBarControl* bar) { return bar->value(); }

// The stand-in shows its format as the text.
void SetBarText(ProgressBarControl* bar, const QString& text) { bar->setFormat(text); }

QString BarText(const ProgressBarControl* bar) { return bar->format(); }

OptionControl* NewOption(QWidget* parent, const QString& name, const QString& caption, const QString& tag,
                         bool value) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    option->setProperty(kTagProperty, tag);
    OptionGroupOf(parent->window(), tag)->addButton(option);
    option->setChecked(value);
    return option;
}

bool OptionValue(const OptionControl* option) { return option->isChecked(); }

void SetOptionValue(OptionControl* option, bool value) { option->setChecked(value); }

ButtonControl* NewButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace tirnel
