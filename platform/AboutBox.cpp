#include "platform/AboutBox.h"

#include <QStringList>

#include <utility>

namespace tirnel {

namespace {

AboutBoxPresenter& CurrentPresenter() {
    static AboutBoxPresenter presenter;
    return presenter;
}

}  // namespace

QString AboutText(const QString& name, const QString& summary) {
    return QStringList{name, summary, QString(), QString::fromLatin1(kAboutCredit)}.join(QStringLiteral("\r\n"));
}

MessageBoxContent AboutBoxContent(const QString& name, const QString& summary) {
    return {QString::fromLatin1(kAboutTitle), AboutText(name, summary), QMessageBox::Information};
}

void ShowAboutBox(QWidget* owner, const QString& name, const QString& summary) {
    const MessageBoxContent content = AboutBoxContent(name, summary);
    if (const AboutBoxPresenter& presenter = CurrentPresenter())
        presenter(owner, content);
    else
        SystemAboutBox(owner, content);
}

std::unique_ptr<QMessageBox> NewAboutBox(QWidget* owner, const MessageBoxContent& content) {
    auto box = std::make_unique<QMessageBox>(content.mIcon, content.mTitle, content.mText, QMessageBox::Ok, owner);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

void SystemAboutBox(QWidget* owner, const MessageBoxContent& content) {
    NewAboutBox(owner, content)->exec();
}

AboutBoxPresenter SetAboutBoxPresenter(AboutBoxPresenter presenter) {
    return std::exchange(CurrentPresenter(), std::move(presenter));
}

ScopedAboutBoxPresenter::ScopedAboutBoxPresenter(AboutBoxPresenter presenter)
    : mPrevious(SetAboutBoxPresenter(std::move(presenter))) {}

ScopedAboutBoxPresenter::~ScopedAboutBoxPresenter() { SetAboutBoxPresenter(std::move(mPrevious)); }

}  // namespace tirnel
