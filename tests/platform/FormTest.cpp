#include "tests/platform/RecordingControl.h"

#include "platform/ControlSite.h"
#include "platform/Form.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLineEdit>
#include <QTest>

#include <algorithm>

namespace tirnel {
namespace {

using test::RecordingControl;

class OtherControl : public Control {
public:
    using Control::Control;
};

TEST(FormTest, FindsItsControlsAtAnyDepthOfContainers) {
    Form form;
    auto* top = new RecordingControl(&form);
    auto* picture = new QFrame(&form);
    auto* inner = new QWidget(picture);
    auto* deep = new RecordingControl(inner);
    auto* other = new OtherControl(picture);
    new QLineEdit(&form);
    auto* dialog = new QWidget(&form, Qt::Dialog);  // a window of its own: not part of this one
    new RecordingControl(dialog);

    const std::vector<Control*> all = form.Controls();
    EXPECT_EQ(all.size(), 3u);
    for (Control* c : {static_cast<Control*>(top), static_cast<Control*>(deep), static_cast<Control*>(other)})
        EXPECT_NE(std::find(all.begin(), all.end(), c), all.end());

    const std::vector<RecordingControl*> recording = form.ControlsOf<RecordingControl>();
    EXPECT_EQ(recording, (std::vector<RecordingControl*>{top, deep}));
}

TEST(FormTest, TheDrawingLayerSurvivesRepaintsUnderTheChildren) {
    Form form;
    form.resize(40, 30);
    auto* child = new QWidget(&form);
    child->setGeometry(20, 20, 10, 10);
    child->setAutoFillBackground(true);
    child->setPalette(QPalette(QColor(0, 255, 0)));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    form.Box(2, 3, 6, 5, 0x00D5A554);    // red 84, green 165, blue 213
    form.Line(10, 1, 14, 1, 0x000000FF); // end point left out
    form.Box(18, 18, 25, 25, 0x000000FF);
    form.repaint();
    form.repaint();
    const QImage shot = form.grab().toImage();

    const QColor frame(84, 165, 213);
    for (int x = 2; x <= 6; ++x) {
        EXPECT_EQ(shot.pixelColor(x, 3), frame) << x;
        EXPECT_EQ(shot.pixelColor(x, 5), frame) << x;
    }
    EXPECT_EQ(shot.pixelColor(2, 4), frame);
    EXPECT_EQ(shot.pixelColor(6, 4), frame);
    EXPECT_NE(shot.pixelColor(4, 4), frame) << "a box is not filled";
    EXPECT_NE(shot.pixelColor(7, 3), frame);

    EXPECT_EQ(shot.pixelColor(10, 1), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(13, 1), QColor(255, 0, 0));
    EXPECT_NE(shot.pixelColor(14, 1), QColor(255, 0, 0));

    EXPECT_EQ(shot.pixelColor(18, 18), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(25, 20), QColor(0, 255, 0)) << "children cover the layer";

    form.Cls();
    EXPECT_NE(form.grab().toImage().pixelColor(2, 3), frame);
}

TEST(FormTest, ClosingUnloadsEveryCreatedControlOnce) {
    auto* form = new Form;
    auto* created = new RecordingControl(form);
    auto* notCreated = new RecordingControl(new QWidget(form));
    created->Create();
    form->show();
    form->close();
    EXPECT_EQ(created->mCalls.count("Terminate"), 1);
    EXPECT_EQ(notCreated->mCalls.count("Terminate"), 0);
    delete form;  // no second Terminate; nothing to check once it is gone but that it does not crash
}

TEST(FormTest, AmbientPropertiesGiveEachControlItsOwnFont) {
    Form form;
    form.UserMode(kFalse);
    auto* a = new RecordingControl(&form);
    a->setObjectName("Okbs");
    const AmbientProperties ambient = form.AmbientFor(*a);
    EXPECT_EQ(ambient.UserMode, kFalse);
    EXPECT_EQ(ambient.DisplayName, "Okbs");
    ASSERT_TRUE(ambient.Font);
    EXPECT_NE(ambient.Font, form.Font());
    EXPECT_TRUE(ambient.Font->SameAs(*form.Font()));
}

TEST(FormTest, ASitedControlTakesTheAmbientValuesOfItsFormAndHearsOfBackColor) {
    Form form;
    form.UserMode(kFalse);
    form.BackColor(0x00123456);
    form.Font(FontObject::Create("Tahoma", 8));
    auto* nested = new RecordingControl(new QFrame(&form));
    auto* top = new RecordingControl(&form);
    PropertyBag bag;
    bag.WriteString("Caption", "stored", "");
    SiteControl(*nested, "Okbs", &bag);
    SiteControl(*top, "uo1");

    for (RecordingControl* c : {nested, top}) {
        EXPECT_EQ(c->Ambient().UserMode, kFalse);
        EXPECT_EQ(c->Ambient().BackColor, 0x00123456u);
        EXPECT_TRUE(c->Ambient().Font->SameAs(*form.Font()));
        EXPECT_EQ(c->mCalls.filter("Ambient"), QStringList());
    }
    EXPECT_EQ(nested->Ambient().DisplayName, "Okbs");
    EXPECT_EQ(nested->mCalls.mid(0, 2), (QStringList{"Initialize", "ReadProperties stored"}));
    EXPECT_EQ(top->mCalls.mid(0, 2), (QStringList{"Initialize", "InitProperties"}));

    form.BackColor(0x00FF0000);
    form.BackColor(0x00FF0000);  // the same colour again is no change
    for (RecordingControl* c : {nested, top}) {
        EXPECT_EQ(c->mCalls.filter("Ambient"), QStringList{"AmbientChanged BackColor"});
        EXPECT_EQ(c->Ambient().BackColor, 0x00FF0000u);
    }
}

}  // namespace
}  // namespace tirnel
