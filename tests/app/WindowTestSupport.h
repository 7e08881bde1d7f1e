#pragma once
// Clicks on the window's controls as a user makes them.

#include "app/StandIns.h"

#include <QTest>

namespace tirnel::test {

// A click on the option's round picture, where it surely hits.
inline void ClickOption(OptionControl* option) {
    QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint((option->PicturePart().Bounds.left + option->PicturePart().Bounds.right) / 2,
                                                                     (option->PicturePart().Bounds.top + option->PicturePart().Bounds.bottom) / 2));
}

inline void ClickButton(ButtonControl* button) { QTest::mouseClick(button, Qt::LeftButton); }

}  // namespace tirnel::test
