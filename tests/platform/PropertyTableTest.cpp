#include "platform/Boolean.h"
#include "platform/PropertyTable.h"
#include "tests/platform/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QImage>

namespace tirnel {
namespace {

// A control whose table assigns its members directly, as a button's does, with one step
// run after "Font" that records what has been read by then.
struct FakeControl {
    const AmbientProperties& Ambient() const { return mAmbient; }
    // Public setter that drops a True value while not in check-box mode; reads must not use it.
    void Value(std::int16_t value) { mValue = mCheckBoxMode ? value : kFalse; }

    void NoteFontRead() { mSeenAtStep = (mFont ? mFont->Name() : QString()) + "|" + mCaption; }

    AmbientProperties mAmbient;
    FontRef mFont;
    QString mCaption = "unread";
    std::int16_t mValue = kFalse;
    std::int16_t mMousePointer = 0;
    PictureRef mPicture;
    std::int32_t mPictureSize = 0;
    std::int16_t mCheckBoxMode = kFalse;
    QString mSeenAtStep;

    static const std::array<PropertyKey<FakeControl>, 8> kKeys;
};

const std::array<PropertyKey<FakeControl>, 8> FakeControl::kKeys = {{
    {"Font", 1, 1, AmbientFontKey<FakeControl>{{&FakeControl::mFont}}},
    {nullptr, 2, 0, ReadStep<FakeControl>{&FakeControl::NoteFontRead}},
    {"Caption", 3, 2,
     TextKey<FakeControl>{{&FakeControl::mCaption}, TextDefault::Fixed("ornbutton"), TextDefault::Fixed("ornbutton1")}},
    {"Value", 4, 5, BooleanKey<FakeControl>{{&FakeControl::mValue}, kFalse, kFalse}},
    {"MousePointer", 5, 6, ShortKey<FakeControl>{{&FakeControl::mMousePointer}, 0, 0}},
    {"Picture", 6, 7, PictureKey<FakeControl>{{&FakeControl::mPicture}}},
    {"PictureSize", 7, 8, IntegerKey<FakeControl>{{&FakeControl::mPictureSize}, 0, 0}, "pictureSize"},
    {"CheckBoxMode", 8, 4, BooleanKey<FakeControl>{{&FakeControl::mCheckBoxMode}, kFalse, kFalse}},
}};

PictureRef SmallBitmap() {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(0xFF336699);
    return PictureObject::Bitmap(image);
}

struct SaveAndLoad {
    const char* name;
    void (*change)(FakeControl&);
    QStringList storedKeys;  // in write order, as spelt by the writer
    void (*expectLoaded)(const FakeControl&);
};

TEST(PropertyTableTest, SettingsComeBackUnderTheirKeysAndDefaultsAreNotStored) {
    const SaveAndLoad cases[] = {
        {"all at their defaults", [](FakeControl&) {}, {},
         [](const FakeControl& c) {
             EXPECT_EQ(c.mCaption, "ornbutton");
             EXPECT_EQ(c.mValue, kFalse);
             EXPECT_EQ(c.mPicture, nullptr);
             EXPECT_EQ(c.mPictureSize, 0);
         }},
        {"caption other than its write default", [](FakeControl& c) { c.mCaption = "Go"; }, {"Caption"},
         [](const FakeControl& c) { EXPECT_EQ(c.mCaption, "Go"); }},
        {"value read before check-box mode is kept",
         [](FakeControl& c) { c.mCheckBoxMode = c.mValue = kTrue; }, {"CheckBoxMode", "Value"},
         [](const FakeControl& c) {
             EXPECT_EQ(c.mValue, kTrue);
             EXPECT_EQ(c.mCheckBoxMode, kTrue);
         }},
        {"16-bit key", [](FakeControl& c) { c.mMousePointer = 99; }, {"MousePointer"},
         [](const FakeControl& c) { EXPECT_EQ(c.mMousePointer, 99); }},
        {"picture, and a key written under another spelling",
         [](FakeControl& c) {
             c.mPicture = SmallBitmap();
             c.mPictureSize = 3;
         },
         {"Picture", "pictureSize"},
         [](const FakeControl& c) {
             EXPECT_TRUE(PropertyValue::Picture(c.mPicture).SameAs(PropertyValue::Picture(SmallBitmap())));
             EXPECT_EQ(c.mPictureSize, 3);
         }},
    };
    for (const SaveAndLoad& c : cases) {
        SCOPED_TRACE(c.name);
        FakeControl saved;
        saved.mFont = saved.mAmbient.Font;
        saved.mCaption = "ornbutton1";
        c.change(saved);
        PropertyBag bag;
        WritePropertyTable(saved, FakeControl::kKeys, bag);
        EXPECT_EQ(bag.Keys(), c.storedKeys);

        FakeControl loaded;
        ReadPropertyTable(loaded, FakeControl::kKeys, bag);
        c.expectLoaded(loaded);
    }
}

TEST(PropertyTableTest, KeysAndStepsAreReadInTheirOrderWithTheirReadDefaults) {
    PropertyBag bag;
    bag.WriteFont("Font", FontObject::Create("Tahoma", 8.25, FontObject::kCharsetAnsi), FontObject::Create("宋体", 9));
    bag.WriteString("Caption", "Go", "");
    bag.WriteInteger("MousePointer", 70000, 0);  // beyond 16 bits: skipped

    FakeControl control;
    control.mMousePointer = 5;
    ReadPropertyTable(control, FakeControl::kKeys, bag);

    EXPECT_EQ(control.mSeenAtStep, "Tahoma|unread");
    EXPECT_EQ(control.mCaption, "Go");
    EXPECT_EQ(control.mMousePointer, 5);

    FakeControl fresh;
    ReadPropertyTable(fresh, FakeControl::kKeys, PropertyBag());
    EXPECT_EQ(fresh.mCaption, "ornbutton");
    EXPECT_EQ(fresh.mFont->Name(), fresh.mAmbient.Font->Name());
    EXPECT_EQ(fresh.mPicture, nullptr);
}

}  // namespace
}  // namespace tirnel
