#include "platform/FocusMoves.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

#include <array>

namespace tirnel {
namespace {

// A shown window holding three focusable controls in tab order 0, 1, 2, and one that
// takes no focus between the first two.
struct WindowWithThreeControls {
    QWidget window;
    std::array<QWidget*, 3> controls{};

    WindowWithThreeControls() {
        window.resize(120, 80);
        for (int i = 0; i < 3; ++i) {
            controls[i] = new QWidget(&window);
            controls[i]->setFocusPolicy(Qt::StrongFocus);
            controls[i]->setGeometry(10 + 30 * i, 10, 20, 20);
            if (i == 0) (new QWidget(&window))->setGeometry(10, 40, 20, 20);
        }
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

struct Move {
    const char* name;
    void (*move)(QWidget*);
    int from;
    int to;
};

TEST(FocusMovesTest, MovesInTabOrderWrappingRoundOnlyAfterTheCurrentEvent) {
    const Move cases[] = {
        {"next", MoveFocusToNext, 0, 1},
        {"next from the last wraps to the first", MoveFocusToNext, 2, 0},
        {"previous", MoveFocusToPrevious, 2, 1},
        {"previous from the first wraps to the last", MoveFocusToPrevious, 0, 2},
    };
    for (const Move& c : cases) {
        SCOPED_TRACE(c.name);
        WindowWithThreeControls w;
        w.controls[c.from]->setFocus();
        ASSERT_TRUE(w.controls[c.from]->hasFocus());

        c.move(w.controls[c.from]);
        EXPECT_TRUE(w.controls[c.from]->hasFocus()) << "moved before the current event returned";

        QCoreApplication::sendPostedEvents();
        EXPECT_TRUE(w.controls[c.to]->hasFocus());
    }
}

TEST(FocusMovesTest, MoveQueuedForAControlGoneByThenDoesNothing) {
    WindowWithThreeControls w;
    w.controls[1]->setFocus();
    MoveFocusToNext(w.controls[0]);
    delete w.controls[0];
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(w.controls[1]->hasFocus());
}

}  // namespace
}  // namespace tirnel
