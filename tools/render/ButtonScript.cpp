#include "tools/render/ButtonScript.h"

#include "platform/ControlSite.h"
#include "platform/MouseCapture.h"
#include "tools/render/ButtonLets.h"
#include "tools/render/PropertyArguments.h"
#include "tools/render/PropertyListing.h"
#include "tools/render/RenderControl.h"

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <array>

namespace tirnel::render {

namespace {

// Where the pointer is while it is over none of our windows.
constexpr QPoint kOutside(-30000, -30000);
// The button's place on the form, the gap between the form's widgets, the companions' sizes.
constexpr int kMargin = 10;
constexpr QSize kSecondSize(75, 23);
constexpr QSize kTextBoxSize(100, 21);

struct AmbientKey {
    const char* name;
    bool (*take)(ButtonAmbient& ambient, const PropertyValue& value);
};

const std::array<AmbientKey, 3> kAmbientKeys = {{
    {"UserMode",
     [](ButtonAmbient& ambient, const PropertyValue& value) {
         const std::optional<std::int16_t> v = value.AsBoolean();
         if (v) ambient.UserMode = *v;
         return v.has_value();
     }},
    {"BackColor",
     [](ButtonAmbient& ambient, const PropertyValue& value) {
         const std::optional<std::uint32_t> v = value.AsColor();
         if (v) ambient.BackColor = *v;
         return v.has_value();
     }},
    {"DisplayAsDefault",
     [](ButtonAmbient& ambient, const PropertyValue& value) {
         const std::optional<std::int16_t> v = value.AsBoolean();
         if (v) ambient.DisplayAsDefault = IsTrue(*v);
         return v.has_value();
     }},
}};

QString ArgumentsText(std::initializer_list<double> values) {
    QStringList parts;
    for (const double value : values) parts << QString::asprintf("%g", value);
    return parts.join(u' ');
}

// Lets what the last input queued run: leave notices, focus moves and what they queue.
void LetEventsRun() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

}  // namespace

bool AddButtonAmbient(ButtonAmbient& ambient, const QString& setting, QString* problem) {
    const qsizetype equals = setting.indexOf(u'=');
    const QString key = setting.left(equals);
    for (const AmbientKey& known : kAmbientKeys) {
        if (equals <= 0 || key.compare(QLatin1String(known.name), Qt::CaseInsensitive) != 0) continue;
        if (known.take(ambient, ParseSettingValue(setting.mid(equals + 1)))) return true;
        if (problem) *problem = QStringLiteral("--ambient %1: bad value").arg(setting);
        return false;
    }
    if (problem)
        *problem =
            QStringLiteral("--ambient takes UserMode=, BackColor= or DisplayAsDefault=, not \"%1\"").arg(setting);
    return false;
}

ButtonSession::ButtonSession(const ButtonSessionOptions& options)
    : mPointerSource(PointerSource{[this] { return GlobalPointer(); },
                                   [this](const QPoint& global) -> QWidget* {
                                       return mPointer ? SystemWindowFromPoint(global) : nullptr;
                                   }}),
      mForm(std::make_unique<Form>()) {
    mForm->UserMode(options.ambient.UserMode);
    if (options.ambient.BackColor) mForm->BackColor(*options.ambient.BackColor);

    auto* button = new Hosted<bt>(mForm.get());
    mButton = button;
    button->UseDeviceRatio(options.scale);
    button->setGeometry(QRect(QPoint(kMargin, kMargin), options.size));
    SiteControl(*button, QStringLiteral("bt1"), &options.bag);
    int bottom = button->geometry().bottom() + 1 + kMargin;
    int right = button->geometry().right() + 1 + kMargin;
    if (options.companions) {
        const PropertyBag stored;
        auto* second = new Hosted<bt>(mForm.get());
        mSecond = second;
        second->setGeometry(QRect(QPoint(kMargin, bottom), kSecondSize));
        SiteControl(*second, QStringLiteral("bt2"), &stored);
        bottom = second->geometry().bottom() + 1 + kMargin;
        mTextBox = new QLineEdit(mForm.get());
        mTextBox->setGeometry(QRect(QPoint(kMargin, bottom), kTextBoxSize));
        bottom = mTextBox->geometry().bottom() + 1 + kMargin;
        right = std::max(right, mTextBox->geometry().right() + 1 + kMargin);
    }
    if (options.ambient.DisplayAsDefault) mForm->DefaultButton(button);
    mForm->resize(right, bottom);

    mForm->show();
    mForm->activateWindow();
    LetEventsRun();
    // The window's activation gives the first control the focus; a session starts with none.
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
    LetEventsRun();
    RecordEvents();
}

// The form goes while the log its buttons write to is still there.
ButtonSession::~ButtonSession() { mForm.reset(); }

void ButtonSession::RecordEvents() {
    bt* button = mButton;
    const auto line = [this](const QString& text) { mLog << text; };
    const auto mouse = [line](const char* name) {
        return [line, name](std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
            line(QLatin1String(name) + u' ' + ArgumentsText({double(Button), double(Shift), X, Y}));
        };
    };
    const auto key = [line](const char* name) {
        return [line, name](std::int16_t& KeyCode, std::int16_t& Shift) {
            line(QLatin1String(name) + u' ' + ArgumentsText({double(KeyCode), double(Shift)}));
        };
    };
    const auto plain = [line](const char* name) { return [line, name] { line(QLatin1String(name)); }; };
    QObject::connect(button, &bt::Click, button, plain("Click"));
    QObject::connect(button, &bt::DblClick, button, plain("DblClick"));
    QObject::connect(button, &bt::MouseEnter, button, plain("MouseEnter"));
    QObject::connect(button, &bt::MouseLeave, button, plain("MouseLeave"));
    QObject::connect(button, &bt::MouseMove, button, mouse("MouseMove"));
    QObject::connect(button, &bt::MouseUp, button, mouse("MouseUp"));
    QObject::connect(button, &bt::MouseDown, button, mouse("MouseDown"));
    QObject::connect(button, &bt::KeyDown, button, key("KeyDown"));
    QObject::connect(button, &bt::KeyUp, button, key("KeyUp"));
    QObject::connect(button, &bt::KeyPress, button,
                     [line](std::int16_t& KeyAcsii) { line(QStringLiteral("KeyPress %1").arg(KeyAcsii)); });
    QObject::connect(button, &Control::PropertyAnnounced, button,
                     [line](const QString& PropertyName) { line(QStringLiteral("announce ") + PropertyName); });
}

void ButtonSession::Run(const ButtonStep& step) {
    if (!mButton) return;
    switch (step.kind) {
        case StepKind::Activate:
        case StepKind::Deactivate: {
            QEvent activation(step.kind == StepKind::Activate ? QEvent::WindowActivate : QEvent::WindowDeactivate);
            QApplication::sendEvent(mForm.get(), &activation);
            break;
        }
        case StepKind::Focus: mButton->setFocus(Qt::OtherFocusReason); break;
        case StepKind::Blur:
            if (mTextBox) {
                mTextBox->setFocus(Qt::OtherFocusReason);
            } else if (QWidget* focused = QApplication::focusWidget()) {
                focused->clearFocus();
            }
            break;
        case StepKind::Move:
            MovePointer(step.point);
            SendMouse(QEvent::MouseMove, Qt::NoButton);
            break;
        case StepKind::Press:
            MovePointer(step.point);
            SendMouse(QEvent::MouseButtonPress, step.button);
            break;
        case StepKind::Release:
            MovePointer(step.point);
            SendMouse(QEvent::MouseButtonRelease, step.button);
            break;
        case StepKind::DoubleClick:
            MovePointer(step.point);
            SendMouse(QEvent::MouseButtonDblClick, Qt::LeftButton);
            break;
        case StepKind::Leave: {
            QWidget* hovered = mHovered;
            const bool overButton = hovered && (hovered == mButton || mButton->isAncestorOf(hovered));
            MovePointer(std::nullopt);
            Hover(nullptr);
            // The pointer leaves the button whatever it was over last.
            if (!overButton) {
                QEvent leave(QEvent::Leave);
                QApplication::sendEvent(mButton, &leave);
            }
            break;
        }
        case StepKind::Key: SendKey(step); break;
        case StepKind::AccessKey: SendAccessKey(step.accessKey); break;
        case StepKind::Let: LetButtonProperty(*mButton, step.property, step.value); break;
    }
    LetEventsRun();
}

bool ButtonSession::Run(const QStringList& texts, QString* problem) {
    for (const QString& text : texts) {
        const std::optional<ButtonStep> step = ParseButtonStep(text, problem);
        if (!step) return false;
        Run(*step);
    }
    return true;
}

QStringList ButtonSession::Saved() {
    PropertyBag bag;
    if (mButton) mButton->Save(bag);
    return ListProperties(bag);
}

QImage ButtonSession::Image() const { return mButton ? ShapedImage(*mButton) : QImage(); }

void ButtonSession::MovePointer(const std::optional<QPointF>& point) { mPointer = point; }

QPoint ButtonSession::GlobalPointer() const {
    if (!mPointer || !mButton) return kOutside;
    return mButton->mapToGlobal(*mPointer).toPoint();
}

QWidget* ButtonSession::WidgetUnderPointer() const {
    if (!mPointer) return nullptr;
    return SystemWindowFromPoint(GlobalPointer());
}

// Qt's enter and leave: the widgets the pointer left, innermost first, up to the one it is
// still in, then those it entered, outermost first.
void ButtonSession::Hover(QWidget* under) {
    QWidget* old = mHovered;
    if (old == under) return;
    QWidget* common = nullptr;
    for (QWidget* w = under; w && old && !common; w = w->parentWidget())
        if (w == old || w->isAncestorOf(old)) common = w;
    std::vector<QPointer<QWidget>> left;
    for (QWidget* w = old; w && w != common; w = w->parentWidget()) left.emplace_back(w);
    std::vector<QPointer<QWidget>> entered;
    for (QWidget* w = under; w && w != common; w = w->parentWidget()) entered.emplace(entered.begin(), w);
    mHovered = under;
    for (const QPointer<QWidget>& w : left) {
        if (!w) continue;
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w, &leave);
    }
    const QPointF global = mButton && mPointer ? mButton->mapToGlobal(*mPointer) : QPointF(kOutside);
    for (const QPointer<QWidget>& w : entered) {
        if (!w) continue;
        QEnterEvent enter(w->mapFromGlobal(global), w->window()->mapFromGlobal(global), global);
        QApplication::sendEvent(w, &enter);
    }
}

// A press gives the focus to the first widget from the one pressed outwards that takes it by
// clicks, as the system's presses do before the widget sees them; not past the window or a
// widget that has the focus already.
void ButtonSession::ClickFocus(QWidget* pressed) {
    for (QWidget* w = pressed; w; w = w->parentWidget()) {
        if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
            w->setFocus(Qt::MouseFocusReason);
            return;
        }
        if (w->isWindow() || w->hasFocus()) return;
    }
}

// The event goes where Qt would take it: to the window holding the pointer, else to the
// widget a held button went down on, else to the widget under the pointer.
void ButtonSession::SendMouse(QEvent::Type type, Qt::MouseButton button) {
    QWidget* under = WidgetUnderPointer();
    const bool grabbed = GetCapture() || mPressed;
    if (!grabbed) Hover(under);
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && !mPressed) mPressed = under;
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) mHeld |= button;
    if (type == QEvent::MouseButtonRelease) mHeld &= ~Qt::MouseButtons(button);

    QWidget* target = GetCapture();
    if (!target) target = mPressed ? mPressed.data() : under;
    if (target && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)) ClickFocus(target);
    if (target && mButton && mPointer) {
        const QPointF global = mButton->mapToGlobal(*mPointer);
        QMouseEvent event(type, target->mapFromGlobal(global), target->window()->mapFromGlobal(global), global, button,
                          mHeld, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    // Enter and leave wait for the next move.
    if (type == QEvent::MouseButtonRelease && !mHeld) mPressed = nullptr;
}

// To the focused widget, or the button when nothing has the focus. A stroke lets events run
// between its halves, so the release reaches wherever the press moved the focus.
void ButtonSession::SendKey(const ButtonStep& step) {
    const auto send = [&](QEvent::Type type, bool autoRepeat) {
        QWidget* target = QApplication::focusWidget();
        if (!target) target = mButton;
        if (!target) return;
        QKeyEvent event(type, step.key, step.modifiers, step.text, autoRepeat);
        QApplication::sendEvent(target, &event);
    };
    switch (step.phase) {
        case KeyPhase::Stroke:
            send(QEvent::KeyPress, false);
            LetEventsRun();
            send(QEvent::KeyRelease, false);
            break;
        case KeyPhase::Down: send(QEvent::KeyPress, false); break;
        case KeyPhase::Up: send(QEvent::KeyRelease, false); break;
        case KeyPhase::Repeat: send(QEvent::KeyPress, true); break;
    }
}

// Alt with the key, as typed: the window's shortcut for it takes the press before the
// focused widget sees it.
void ButtonSession::SendAccessKey(QChar key) {
    const QChar upper = key.toUpper();
    const int qtKey = upper.unicode();  // Qt's keys for letters and digits are their upper-case codes
    QWidget* target = QApplication::focusWidget();
    if (!target) target = mButton;
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::AltModifier, QString(key));
    QApplication::sendEvent(target, &press);
    LetEventsRun();
    target = QApplication::focusWidget();
    if (!target) target = mButton;
    if (!target) return;
    QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::AltModifier, QString(key));
    QApplication::sendEvent(target, &release);
}

}  // namespace tirnel::render
