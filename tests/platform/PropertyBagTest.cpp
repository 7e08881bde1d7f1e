#include "platform/Boolean.h"
#include "platform/PropertyBag.h"
#include "tests/platform/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QImage>

namespace tirnel {
namespace {

PictureRef SmallBitmap(QRgb color) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(color);
    return PictureObject::Bitmap(image);
}

struct RoundTrip {
    const char* name;
    PropertyValue value;
    PropertyValue writeDefault;
};

TEST(PropertyBagTest, EachKindComesBackAsWrittenAndIsNotStoredWhenEqualToTheWriteDefault) {
    const FontRef song = FontObject::Create("宋体", 9);
    const FontRef tahoma = FontObject::Create("Tahoma", 8.25, FontObject::kCharsetAnsi);
    const RoundTrip cases[] = {
        {"integer", PropertyValue::Integer(-7), PropertyValue::Integer(100)},
        {"boolean", PropertyValue::Boolean(kFalse), PropertyValue::Boolean(kTrue)},
        {"string", PropertyValue::String("分割文件"), PropertyValue::String("")},
        {"colour", PropertyValue::Color(0x8000000F), PropertyValue::Color(0xC8C8C8)},
        {"font", PropertyValue::Font(tahoma), PropertyValue::Font(song)},
        {"picture", PropertyValue::Picture(SmallBitmap(0xFF112233)), PropertyValue::Picture(nullptr)},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.name);
        PropertyBag bag;
        bag.WriteProperty("Key", c.value, c.writeDefault);
        ASSERT_TRUE(bag.Contains("Key"));
        EXPECT_TRUE(bag.ReadProperty("Key", c.writeDefault).SameAs(c.value));

        PropertyBag unchanged;
        unchanged.WriteProperty("Key", c.writeDefault, c.writeDefault);
        EXPECT_FALSE(unchanged.Contains("Key"));
        EXPECT_TRUE(unchanged.ReadProperty("Key", c.value).SameAs(c.value)) << "read default when missing";
    }
}

TEST(PropertyBagTest, ValueEqualToItsWriteDefaultIsNotStoredForObjectsEither) {
    PropertyBag bag;
    // A font with the same attributes as the default, names differing in case only.
    bag.WriteFont("Font", FontObject::Create("simsun", 9), FontObject::Create("SimSun", 9));
    bag.WritePicture("Picture", std::make_shared<PictureObject>(), nullptr);
    bag.WriteString("Text", "", "");
    EXPECT_EQ(bag.Count(), 0);
}

TEST(PropertyBagTest, KeysMatchWithoutRegardToCase) {
    PropertyBag bag;
    bag.WriteInteger("pictureSize", 3, 0);
    EXPECT_EQ(bag.ReadInteger("PictureSize", 0), 3);
    EXPECT_EQ(bag.ReadInteger("PICTURESIZE", 0), 3);

    bag.WriteInteger("PictureSize", 2, 0);  // the same entry, not a second one
    EXPECT_EQ(bag.Count(), 1);
    EXPECT_EQ(bag.ReadInteger("picturesize", 0), 2);

    bag.WriteInteger("PICTURESIZE", 0, 0);  // back to the default: the entry goes
    EXPECT_FALSE(bag.Contains("pictureSize"));
}

TEST(PropertyBagTest, KeepsTheOrderOfFirstWrites) {
    PropertyBag bag;
    bag.WriteInteger("Orientations", 2, 1);
    bag.WriteInteger("Max", 50, 100);
    bag.WriteInteger("orientations", 3, 1);
    EXPECT_EQ(bag.Keys(), (QStringList{"Orientations", "Max"}));
}

TEST(PropertyBagTest, AValueThatCannotBeConvertedFailsForItsKeyOnly) {
    PropertyBag bag;
    bag.WriteString("Max", "abc", "");
    bag.WriteInteger("Min", 10, 0);
    bag.WriteInteger("Font", 5, 0);
    bag.WriteInteger("Big", 40000, 0);

    EXPECT_EQ(bag.ReadInteger("Max", 100), std::nullopt);
    EXPECT_EQ(bag.ReadInteger("Min", 0), 10);
    EXPECT_EQ(bag.ReadFont("Font", nullptr), std::nullopt);
    EXPECT_EQ(bag.ReadShort("Big", 0), std::nullopt);
    EXPECT_EQ(bag.ReadInteger("Big", 0), 40000);
    EXPECT_EQ(bag.ReadBoolean("Value", kFalse), kFalse) << "missing keys still give their defaults";
}

struct Conversion {
    const char* name;
    PropertyValue stored;
    std::optional<std::int32_t> integer;
    std::optional<std::int16_t> boolean;
    std::optional<QString> string;
    std::optional<std::uint32_t> color;
};

TEST(PropertyBagTest, StoredValuesConvertToTheRequestedType) {
    const Conversion cases[] = {
        {"integer", PropertyValue::Integer(5), 5, kTrue, QString("5"), 5u},
        {"zero", PropertyValue::Integer(0), 0, kFalse, QString("0"), 0u},
        {"true", PropertyValue::Boolean(kTrue), -1, kTrue, QString("True"), 0xFFFFFFFFu},
        {"non-zero boolean", PropertyValue::Boolean(1), -1, kTrue, QString("True"), 0xFFFFFFFFu},
        {"system colour", PropertyValue::Color(0x8000000F), static_cast<std::int32_t>(0x8000000F), kTrue,
         QString("2147483663"), 0x8000000Fu},
        {"decimal text", PropertyValue::String(" 42 "), 42, kTrue, QString(" 42 "), 42u},
        {"hex text", PropertyValue::String("&HFF"), 255, kTrue, QString("&HFF"), 255u},
        {"half rounds to even", PropertyValue::String("2.5"), 2, kTrue, QString("2.5"), 2u},
        {"half rounds up to even", PropertyValue::String("3.5"), 4, kTrue, QString("3.5"), 4u},
        {"word true", PropertyValue::String("true"), std::nullopt, kTrue, QString("true"), std::nullopt},
        {"word False", PropertyValue::String("False"), std::nullopt, kFalse, QString("False"), std::nullopt},
        {"not a number", PropertyValue::String("abc"), std::nullopt, std::nullopt, QString("abc"), std::nullopt},
        {"too large", PropertyValue::String("4294967296"), std::nullopt, std::nullopt, QString("4294967296"),
         std::nullopt},
        {"font", PropertyValue::Font(FontObject::Create()), std::nullopt, std::nullopt, std::nullopt, std::nullopt},
        {"empty", PropertyValue(), 0, kFalse, QString(), 0u},
    };
    for (const Conversion& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.stored.AsInteger(), c.integer);
        EXPECT_EQ(c.stored.AsBoolean(), c.boolean);
        EXPECT_EQ(c.stored.AsString(), c.string);
        EXPECT_EQ(c.stored.AsColor(), c.color);
    }
}

TEST(PropertyBagTest, StoredFontsArePrivateSnapshots) {
    PropertyBag bag;
    const FontRef mine = FontObject::Create("Tahoma", 8);
    bag.WriteFont("Font", mine, nullptr);
    mine->Size(20);

    const FontRef first = *bag.ReadFont("Font", nullptr);
    const FontRef second = *bag.ReadFont("Font", nullptr);
    EXPECT_EQ(first->Size(), 8);
    EXPECT_NE(first, second) << "two loads must not share one font";
    EXPECT_NE(first, mine);

    // When the key is missing the default itself comes back, not a copy.
    const FontRef ambient = FontObject::Create();
    EXPECT_EQ(*bag.ReadFont("TextFont", ambient), ambient);
}

}  // namespace
}  // namespace tirnel
