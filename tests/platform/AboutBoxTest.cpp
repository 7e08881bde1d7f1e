#include "platform/AboutBox.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace tirnel {
namespace {

const QString kExpectedText = QStringLiteral(
    "OrnButton\r\nA Multistyle Button Control\r\n\r\nCreated by: the Tirnel developers");

struct Shown {
    QWidget* owner;
    MessageBoxContent content;
};

TEST(AboutBoxTest, GoesThroughTheReplacedPresenterWithTitleIconAndCreditLines) {
    QWidget owner;
    std::vector<Shown> shown;
    {
        ScopedAboutBoxPresenter scoped(
            [&](QWidget* w, const MessageBoxContent& content) { shown.push_back({w, content}); });
        ShowAboutBox(&owner, QStringLiteral("OrnButton"), QStringLiteral("A Multistyle Button Control"));
    }
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].owner, &owner);
    EXPECT_EQ(shown[0].content.mTitle, QStringLiteral("About"));
    EXPECT_EQ(shown[0].content.mIcon, QMessageBox::Information);
    EXPECT_EQ(shown[0].content.mText, kExpectedText);

    // Scopes nest, and the outer presenter is back once the inner one ends.
    int outer = 0;
    int inner = 0;
    ScopedAboutBoxPresenter first([&](QWidget*, const MessageBoxContent&) { ++outer; });
    {
        ScopedAboutBoxPresenter second([&](QWidget*, const MessageBoxContent&) { ++inner; });
        ShowAboutBox(nullptr, QStringLiteral("a"), QStringLiteral("b"));
    }
    ShowAboutBox(nullptr, QStringLiteral("a"), QStringLiteral("b"));
    EXPECT_EQ(inner, 1);
    EXPECT_EQ(outer, 1);
}

TEST(AboutBoxTest, SystemBoxIsModalInformationWithTheTextAndOneButton) {
    QWidget owner;
    const auto box = NewAboutBox(&owner, AboutBoxContent(QStringLiteral("OrnButton"),
                                                         QStringLiteral("A Multistyle Button Control")));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->text(), kExpectedText);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->parentWidget(), &owner);
}

}  // namespace
}  // namespace tirnel
