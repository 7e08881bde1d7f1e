// Defaults, the property bag round trip and the layout of the parts.

#include "OptionTestSupport.h"

#include "controls/option/OptionLayout.h"

#include <gtest/gtest.h>

namespace tirnel {
namespace {

// An option of the given pixel size made by a container that calls it "ua1".
std::unique_ptr<ua> MakeLoaded(const PropertyBag* bag, QStringList* announced = nullptr, QSize size = {100, 20}) {
    auto option = std::make_unique<ua>();
    option->resize(size);
    AmbientProperties ambient;
    ambient.DisplayName = QStringLiteral("ua1");
    ambient.UserMode = kFalse;
    option->SetAmbient(ambient);
    if (announced)
        QObject::connect(option.get(), &ua::PropertyAnnounced, [announced](const QString& p) { *announced << p; });
    if (bag) {
        option->Create(*bag);
    } else {
        option->Create();
    }
    return option;
}

TEST(uaPropertiesTest, NewInstanceTakesTheDefaultsAndStoresNothing) {
    auto option = MakeLoaded(nullptr);
    EXPECT_EQ(option->Caption(), QStringLiteral("ua1"));
    EXPECT_EQ(option->Enabled(), kTrue);
    EXPECT_EQ(option->Value(), kFalse);
    EXPECT_TRUE(option->Font()->SameAs(*option->Ambient().Font));
    EXPECT_EQ(option->BackColor(), 0x8000000Fu);
    EXPECT_EQ(option->ForeColor(), 0u);
    PropertyBag bag;
    option->Save(bag);
    EXPECT_EQ(bag.Count(), 0);
    // Missing keys read as the same defaults.
    auto loaded = MakeLoaded(&bag);
    EXPECT_EQ(loaded->Caption(), QStringLiteral("ua1"));
    EXPECT_EQ(loaded->BackColor(), 0x8000000Fu);
}

TEST(uaPropertiesTest, RoundTripWritesAndReadsInTheirOrders) {
    auto option = MakeLoaded(nullptr);
    option->Value(kTrue);
    option->Caption(QStringLiteral("分割文件"));
    option->Enabled(kFalse);
    option->Font(FontObject::Create(QStringLiteral("宋体"), 12));
    option->BackColor(RGB(1, 2, 3));
    option->ForeColor(RGB(4, 5, 6));
    PropertyBag bag;
    option->Save(bag);
    EXPECT_EQ(bag.Keys(), (QStringList{"Font", "Value", "Caption", "Enabled", "BackColor", "ForeColor"}));

    QStringList announced;
    auto loaded = MakeLoaded(&bag, &announced);
    EXPECT_EQ(announced, (QStringList{"Value", "Caption", "Enabled", "Font", "BackColor", "ForeColor"}));
    EXPECT_EQ(loaded->Value(), kTrue);
    EXPECT_EQ(loaded->Caption(), QStringLiteral("分割文件"));
    EXPECT_EQ(loaded->Enabled(), kFalse);
    EXPECT_EQ(loaded->Font()->Size(), 12.0);
    EXPECT_EQ(loaded->BackColor(), RGB(1, 2, 3));
    EXPECT_EQ(loaded->ForeColor(), RGB(4, 5, 6));
    EXPECT_EQ(loaded->CaptionPart().ForeColor, ua::kDisabledCaptionColor);
    EXPECT_EQ(test::ShownPicture(*loaded), StatePictureIndex(LookDisabled, true));
}

TEST(uaPropertiesTest, AValueThatDoesNotConvertIsSkipped) {
    PropertyBag bag;
    bag.WriteProperty("value", PropertyValue::String("maybe"));
    bag.WriteProperty("FORECOLOR", PropertyValue::Integer(0xFF));
    bag.WriteProperty("Font", PropertyValue::Integer(3));
    auto loaded = MakeLoaded(&bag);
    EXPECT_EQ(loaded->Value(), kFalse);
    EXPECT_EQ(loaded->ForeColor(), RGB(255, 0, 0));
    EXPECT_TRUE(loaded->Font());
}

TEST(uaPropertiesTest, CentringRoundsTheDifferenceThenHalvesTowardsZero) {
    struct Case {
        double outer, inner;
        int top;
    };
    const Case cases[] = {
        {300, 240, 30}, {255, 240, 7}, {240, 240, 0}, {225, 240, -7}, {240.5, 240, 0}, {241.5, 240, 1}, {243, 240, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(CentredTop(c.outer, c.inner), c.top) << c.outer << " " << c.inner;
}

TEST(uaPropertiesTest, PartsAreCentredAndFollowCaptionAndFont) {
    auto option = MakeLoaded(nullptr, nullptr, {100, 21});  // 315 twips
    // Picture: 240 twips at (315 - 240) \ 2 = 37 twips, 2.47 pixels.
    EXPECT_EQ(option->PicturePart().Bounds, (Rect{0, 2, 16, 18}));
    const auto expectLabel = [&](const char* what) {
        const Rect label = option->CaptionPart().Bounds;
        Surface measure(1, 1);
        measure.SetFont(option->Font()->ToQFont());
        const int height = measure.TextHeight(QString());
        EXPECT_EQ(label.left, 20) << what;
        EXPECT_EQ(label.Height(), height) << what;
        EXPECT_EQ(label.Width(), measure.TextWidth(QStringLiteral("Ok"))) << what;
        EXPECT_EQ(label.top, TwipsToPixels((315 - height * 15) / 2)) << what;
    };
    option->Caption(QStringLiteral("O&k"));
    expectLabel("caption");
    option->Font()->Size(15);  // a change to the font object itself
    expectLabel("font object changed");
    option->Font(FontObject::Create(QStringLiteral("宋体"), 6));
    expectLabel("font replaced");
}

}  // namespace
}  // namespace tirnel
