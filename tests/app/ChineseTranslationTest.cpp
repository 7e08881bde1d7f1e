// Qt's dialogs and standard buttons speak the window's Chinese.

#include "app/shell/ChineseTranslation.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace tirnel::test {
namespace {

TEST(ChineseTranslation, StandardButtonsAndDialogLabelsReadChinese) {
    QTranslator* translator = InstallQtChineseTranslation();
    ASSERT_NE(translator, nullptr) << "qtbase_zh_CN.qm is missing from Qt's translations folder";

    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QMessageBox box(QMessageBox::Question, QStringLiteral("提示"), QString(), QMessageBox::Yes | QMessageBox::No);
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const struct {
        QString actual;
        QString chinese;
    } cases[] = {
        {buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消")},
        {buttons.button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定")},
        {box.button(QMessageBox::Yes)->text(), QStringLiteral("是")},
        {box.button(QMessageBox::No)->text(), QStringLiteral("否")},
        {dialog.labelText(QFileDialog::LookIn), QStringLiteral("查找范围")},
        {dialog.labelText(QFileDialog::Accept), QStringLiteral("打开")},
    };
    for (const auto& c : cases) EXPECT_TRUE(c.actual.contains(c.chinese)) << c.actual.toStdString();

    // The other tests see Qt's own English again.
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

}  // namespace
}  // namespace tirnel::test
