#pragma once
// Runs input scripts (ButtonSteps.h) on a button sited on a shown offscreen form, as a user
// would, and records the events the button raises. The renderer and the tests both use it,
// so the same steps give the same record.
//
// The form holds the button under test at (10, 10) and, when asked for, a second button
// below it and a text box below that, in this tab order. The pointer the button asks for
// (PointerService.h) is the one the steps move: over the last point a pointer step named,
// and outside every window before the first one and after a leave.

#include "controls/button/bt.h"
#include "platform/Form.h"
#include "platform/PointerService.h"
#include "tools/render/ButtonSteps.h"

#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QSize>
#include <QStringList>

#include <memory>
#include <optional>

namespace tirnel::render {

// What the form offers the button: UserMode False is the designer; BackColor the form's
// colour when given; DisplayAsDefault makes the button the form's default button.
struct ButtonAmbient {
    std::int16_t UserMode = kTrue;
    std::optional<Color> BackColor;
    bool DisplayAsDefault = false;
};

// Takes "Key=Value" for one of the three; false with the reason in problem otherwise.
bool AddButtonAmbient(ButtonAmbient& ambient, const QString& setting, QString* problem = nullptr);

struct ButtonSessionOptions {
    QSize size{75, 23};
    PropertyBag bag;
    ButtonAmbient ambient;
    // A second button and a text box after the button in tab order.
    bool companions = false;
    // The device pixel ratio the button draws for; its steps stay in 1× pixels.
    double scale = 1.0;
};

class ButtonSession {
public:
    // Sites the button (loaded from the bag), shows the form and activates it, then leaves
    // the focus nowhere. Only what happens after this is recorded.
    explicit ButtonSession(const ButtonSessionOptions& options);
    ~ButtonSession();
    ButtonSession(const ButtonSession&) = delete;
    ButtonSession& operator=(const ButtonSession&) = delete;

    void Run(const ButtonStep& step);
    // Parses and runs each text; stops before the first bad one and returns false.
    bool Run(const QStringList& texts, QString* problem = nullptr);

    Form& Container() { return *mForm; }
    bt& Button() { return *mButton; }
    bt* Second() { return mSecond; }
    QLineEdit* TextBox() { return mTextBox; }

    // One line per event since the session began: the event's name and its arguments
    // ("MouseMove 1 0 10 5", "Click", "KeyDown 13 0"), or "announce Name" for a property
    // the button announced.
    const QStringList& Log() const { return mLog; }
    // The button's Save into a fresh bag, listed as PropertyListing.h says.
    QStringList Saved();
    // The button's surface, transparent outside its window shape.
    QImage Image() const;

private:
    void RecordEvents();
    void MovePointer(const std::optional<QPointF>& point);
    QPoint GlobalPointer() const;
    QWidget* WidgetUnderPointer() const;
    void Hover(QWidget* under);
    void ClickFocus(QWidget* pressed);
    void SendMouse(QEvent::Type type, Qt::MouseButton button);
    void SendKey(const ButtonStep& step);
    void SendAccessKey(QChar key);

    // The pointer over the button's pixels, or nothing when outside.
    std::optional<QPointF> mPointer;
    ScopedPointerSource mPointerSource;
    std::unique_ptr<Form> mForm;
    QPointer<bt> mButton;
    QPointer<bt> mSecond;
    QPointer<QLineEdit> mTextBox;
    // The innermost widget the pointer was last reported over; the one a press went to
    // while buttons are held.
    QPointer<QWidget> mHovered;
    QPointer<QWidget> mPressed;
    Qt::MouseButtons mHeld;
    QStringList mLog;
};

}  // namespace tirnel::render
