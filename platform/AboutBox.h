#pragma once
// A control's About box: a modal information box titled "About" that names the control, says
// what it is and credits its makers. The box goes through a presenter that tests replace, so
// they see what would be shown without a dialog on the screen.

#include <QMessageBox>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace tirnel {

// The title every About box carries.
inline constexpr char kAboutTitle[] = "About";
// Who the credit line names.
inline constexpr char kAboutCredit[] = "Created by: the Tirnel developers";

// What a message box shows.
struct MessageBoxContent {
    QString mTitle;
    QString mText;
    QMessageBox::Icon mIcon = QMessageBox::NoIcon;
};

using AboutBoxPresenter = std::function<void(QWidget* owner, const MessageBoxContent& content)>;

// The four lines of the text joined by CR LF: the control's name, what it is, an empty line
// and the credit line.
QString AboutText(const QString& name, const QString& summary);

// The box for a control: title "About", the information icon, AboutText.
MessageBoxContent AboutBoxContent(const QString& name, const QString& summary);

// Shows the control's About box through the current presenter and returns once it is closed.
void ShowAboutBox(QWidget* owner, const QString& name, const QString& summary);

// The box as the system presenter sets it up, application-modal with a single OK, not shown.
std::unique_ptr<QMessageBox> NewAboutBox(QWidget* owner, const MessageBoxContent& content);
// Builds that box and runs it until it is closed.
void SystemAboutBox(QWidget* owner, const MessageBoxContent& content);

// Puts presenter in place (an empty one restores the system presenter); returns the one it
// replaces.
AboutBoxPresenter SetAboutBoxPresenter(AboutBoxPresenter presenter);

// A presenter in place for the lifetime of the object; the previous one comes back after.
class ScopedAboutBoxPresenter {
public:
    explicit ScopedAboutBoxPresenter(AboutBoxPresenter presenter);
    ~ScopedAboutBoxPresenter();
    ScopedAboutBoxPresenter(const ScopedAboutBoxPresenter&) = delete;
    ScopedAboutBoxPresenter& operator=(const ScopedAboutBoxPresenter&) = delete;

private:
    AboutBoxPresenter mPrevious;
};

}  // namespace tirnel
