#pragma once
// Clicks on the window's controls as a user makes them.

#include "app/StandIns.h"

#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace tirnel::test {

// A click on the option's round mark, where it surely hits.
inline void ClickOption(OptionControl* option) {
    QStyleOptionButton style;
    style.initFrom(option);
    const QRect mark = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
    QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, mark.center());
}

inline void ClickButton(ButtonControl* button) { QTest::mouseClick(button, Qt::LeftButton); }

}  // namespace tirnel::test
