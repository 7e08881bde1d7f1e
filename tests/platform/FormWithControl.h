#pragma once
// An active form of 120 x 80 pixels holding a created control of 40 x 20 at (10, 10).

#include "platform/Form.h"
#include "tests/platform/RecordingControl.h"

#include <gtest/gtest.h>

#include <QTest>

namespace tirnel::test {

struct FormWithControl {
    Form form;
    RecordingControl* control = new RecordingControl(&form);

    FormWithControl() {
        form.resize(120, 80);
        control->setGeometry(10, 10, 40, 20);
        control->Create();
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
};

}  // namespace tirnel::test
