// Clicks on options spread over a window and a nested container.

#include "OptionTestSupport.h"

#include "platform/InputCodes.h"

#include <gtest/gtest.h>

#include <map>

namespace tirnel {
namespace {

using test::EventLog;
using test::FakePointer;
using test::MakeOption;

// Six options: "1a" and "1b" (Tag "1") two containers deep, "0a" and "0b" (Tag "0") on the
// window, "ea" (empty Tag) in the inner container and "eb" (empty Tag) on the window.
struct GroupWindow {
    FakePointer pointer;
    QWidget window;
    QWidget* outer = new QWidget(&window);
    QWidget* inner = new QWidget(outer);
    std::map<QString, ua*> options;
    EventLog log;

    GroupWindow() {
        window.resize(400, 200);
        outer->setGeometry(0, 0, 200, 200);
        inner->setGeometry(10, 10, 180, 180);
        Add(inner, "1a", "1", 0);
        Add(inner, "1b", "1", 1);
        Add(&window, "0a", "0", 2);
        Add(&window, "0b", "0", 3);
        Add(inner, "ea", "", 4);
        Add(&window, "eb", "", 5);
        for (const char* on : {"1b", "0b", "eb"}) options[on]->Value(kTrue);
        test::ShowWindow(window);
        log.entries.clear();
    }
    void Add(QWidget* parent, const char* name, const char* tag, int row) {
        const int left = parent == &window ? 210 : 0;
        ua* option = MakeOption(parent, name, tag, {left, row * 25, 100, 20}, pointer);
        options[name] = option;
        log.Watch(*option);
    }
    QStringList On() const {
        QStringList on;
        for (const auto& [name, option] : options)
            if (IsTrue(option->Value())) on << name;
        return on;
    }
};

enum class Spot { Surface, Picture, Caption };

QPoint PointOn(const ua& option, Spot spot) {
    switch (spot) {
        case Spot::Picture: return {option.PicturePart().Left() + 6, option.PicturePart().Top() + 6};
        case Spot::Caption: return {option.CaptionPart().Left() + 2, option.CaptionPart().Top() + 2};
        case Spot::Surface: break;
    }
    return {option.width() - 2, option.height() - 2};
}

TEST(uaGroupTest, ClickTurnsOffTheOthersWithTheSameTagWhereverTheySit) {
    struct Case {
        const char* clicked;
        Spot spot;
        QStringList on;
    };
    const Case cases[] = {
        {"1a", Spot::Surface, {"0b", "1a", "eb"}},
        {"0a", Spot::Caption, {"0a", "1b", "eb"}},
        {"ea", Spot::Picture, {"0b", "1b", "ea"}},
        {"1b", Spot::Caption, {"0b", "1b", "eb"}},  // already on: stays on
    };
    for (const Case& c : cases) {
        GroupWindow w;
        ua* option = w.options[c.clicked];
        QTest::mouseClick(option, Qt::LeftButton, {}, PointOn(*option, c.spot));
        EXPECT_EQ(w.On(), c.on) << c.clicked;
        EXPECT_EQ(w.log.Matching("Click"), QStringList{QString::fromLatin1(c.clicked) + " Click"}) << c.clicked;
        EXPECT_EQ(test::ShownPicture(*option), StatePictureIndex(LookAtRest, true)) << c.clicked;
    }
}

TEST(uaGroupTest, AWindowOfItsOwnOwnedByTheWindowIsNotPartOfIt) {
    GroupWindow w;
    auto* dialog = new QWidget(&w.window, Qt::Window);
    ua* elsewhere = MakeOption(new QWidget(dialog), "1d", "1", {0, 0, 100, 20}, w.pointer);
    elsewhere->Value(kTrue);
    ua* clicked = w.options["1a"];
    QTest::mouseClick(clicked, Qt::LeftButton, {}, PointOn(*clicked, Spot::Surface));
    EXPECT_TRUE(IsTrue(clicked->Value()));
    EXPECT_FALSE(IsTrue(w.options["1b"]->Value()));
    EXPECT_TRUE(IsTrue(elsewhere->Value()));
}

TEST(uaGroupTest, ClickIsRaisedBeforeTheGroupChanges) {
    GroupWindow w;
    ua* clicked = w.options["1a"];
    QStringList seen;
    QObject::connect(clicked, &ua::Click, [&] { seen = w.On(); });
    QTest::mouseClick(clicked, Qt::LeftButton, {}, PointOn(*clicked, Spot::Surface));
    EXPECT_EQ(seen, (QStringList{"0b", "1b", "eb"}));
    EXPECT_EQ(w.log.entries, (QStringList{"1a MouseDown 1 0 98 18", "1a MouseUp 1 0 98 18", "1a Click",
                                          "1a Value=0", "1b Value=0", "1a Value=-1"}));
}

TEST(uaGroupTest, ValueFromCodeLeavesTheGroupAloneAndRaisesNothing) {
    GroupWindow w;
    w.options["1a"]->Value(kTrue);
    w.options["0b"]->Value(kFalse);
    EXPECT_EQ(w.On(), (QStringList{"1a", "1b", "eb"}));
    EXPECT_EQ(w.log.entries, (QStringList{"1a Value=-1", "0b Value=0"}));
}

TEST(uaGroupTest, PartsReportPressesRelativeToThemselvesAndMovesAtTheirCorner) {
    GroupWindow w;
    ua* option = w.options["0a"];
    const Rect picture = option->PicturePart().Bounds;
    const Rect caption = option->CaptionPart().Bounds;
    ASSERT_GT(caption.top, 0);
    struct Case {
        QPoint at, off;  // a press, and a move away from the part while held
        QString down, move;
    };
    const Case cases[] = {
        {{caption.left + 3, caption.top + 4}, {caption.left - 2, caption.top}, "MouseDown 1 0 3 4",
         QStringLiteral("MouseMove 1 0 %1 %2").arg(caption.left).arg(caption.top)},
        {{picture.left + 5, picture.top + 2}, {picture.right + 1, picture.top}, "MouseDown 1 0 5 2",
         QStringLiteral("MouseMove 1 0 %1 %2").arg(picture.left).arg(picture.top)},
        {{95, 1}, {96, 1}, "MouseDown 1 0 95 1", "MouseMove 1 0 96 1"},
    };
    for (const Case& c : cases) {
        w.log.entries.clear();
        QTest::mousePress(option, Qt::LeftButton, {}, c.at);
        QTest::mouseMove(option, c.off);
        QTest::mouseMove(option, c.at);
        QTest::mouseRelease(option, Qt::LeftButton, {}, c.at);
        EXPECT_EQ(w.log.Matching("0a Mouse").mid(0, 2), (QStringList{"0a " + c.down, "0a " + c.move}));
        EXPECT_EQ(w.log.Matching("Click"), QStringList{"0a Click"}) << c.down.toStdString();
        EXPECT_EQ(test::ShownPicture(*option), StatePictureIndex(LookAtRest, true)) << c.down.toStdString();
    }
}

// The parts are laid out in twips; the events still report pixels of the client area, also
// straight after a layout and before the leave watch has looked at the pointer.
TEST(uaGroupTest, PointerEventsReportPixelsStraightAfterALayout) {
    GroupWindow w;
    ua* option = w.options["0a"];
    option->Caption(QStringLiteral("MB"));
    QTest::mouseMove(option, {96, 3});
    QTest::mouseClick(option, Qt::LeftButton, {}, {95, 2});
    EXPECT_EQ(w.log.Matching("0a Mouse"),
              (QStringList{"0a MouseMove 0 0 96 3", "0a MouseDown 1 0 95 2", "0a MouseUp 1 0 95 2"}));
}

TEST(uaGroupTest, APressOnAPartClicksWhenReleasedOnTheControl) {
    struct Case {
        QPoint releasedAt;
        int clicks;
    };
    const Case cases[] = {{{18, 5}, 1}, {{98, 19}, 1}, {{50, 25}, 0}, {{-1, 5}, 0}};
    for (const Case& c : cases) {
        GroupWindow w;
        ua* option = w.options["0a"];
        const QPoint caption(option->CaptionPart().Left() + 1, option->CaptionPart().Top() + 1);
        QTest::mousePress(option, Qt::LeftButton, {}, caption);
        QTest::mouseMove(option, c.releasedAt);
        QTest::mouseRelease(option, Qt::LeftButton, {}, c.releasedAt);
        EXPECT_EQ(w.log.Matching("Click").size(), c.clicks) << c.releasedAt.x() << "," << c.releasedAt.y();
        EXPECT_EQ(IsTrue(option->Value()), c.clicks == 1);
    }
}

}  // namespace
}  // namespace tirnel
