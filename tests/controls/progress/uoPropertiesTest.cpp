#include "ProgressTestSupport.h"

#include "platform/Boolean.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>
#include <vector>

namespace tirnel {
namespace {

using test::MakeBar;
using test::MakePlainBar;
using test::PixelAt;

// Each announcement with the range as it stood then.
struct Announcement {
    QString name;
    std::int32_t min, value, max;
    friend bool operator==(const Announcement&, const Announcement&) = default;
};

void Record(uo& bar, std::vector<Announcement>& seen) {
    QObject::connect(&bar, &Control::PropertyAnnounced, &bar, [&bar, &seen](const QString& name) {
        seen.push_back({name, bar.Min(), bar.Value(), bar.Max()});
    });
}

TEST(uoRangeTest, SettersKeepMinBelowMaxAndValueBetween) {
    enum Which { SetValue, SetMax, SetMin };
    struct Case {
        const char* what;
        std::int32_t min, max, value;  // starting range
        Which which;
        std::int32_t newValue;
        std::int32_t expectMin, expectValue, expectMax;
    };
    const Case cases[] = {
        {"Value above Max", 0, 100, 50, SetValue, 150, 0, 100, 100},
        {"Value below Min", 0, 100, 50, SetValue, -3, 0, 0, 100},
        {"Value below a raised Min", 20, 100, 50, SetValue, 5, 20, 20, 100},
        {"Max 0", 0, 100, 50, SetMax, 0, 0, 1, 1},
        {"Max negative", 0, 100, 0, SetMax, -7, 0, 0, 1},
        {"Max below Min", 10, 100, 50, SetMax, 5, 10, 11, 11},
        {"Max equal to Min", 10, 100, 10, SetMax, 10, 10, 10, 11},
        {"Max below Value", 0, 100, 80, SetMax, 60, 0, 60, 60},
        {"Min above Max", 0, 100, 50, SetMin, 150, 99, 99, 100},
        {"Min equal to Max", 0, 100, 50, SetMin, 100, 99, 99, 100},
        {"Min negative", 10, 100, 50, SetMin, -5, 0, 50, 100},
        {"Min above Value", 0, 100, 30, SetMin, 40, 40, 40, 100},
    };
    for (const Case& c : cases) {
        auto bar = MakePlainBar(40, 10);
        bar->Min(0);
        bar->Max(c.max);
        bar->Min(c.min);
        bar->Value(c.value);
        switch (c.which) {
            case SetValue: bar->Value(c.newValue); break;
            case SetMax: bar->Max(c.newValue); break;
            case SetMin: bar->Min(c.newValue); break;
        }
        EXPECT_EQ(bar->Min(), c.expectMin) << c.what;
        EXPECT_EQ(bar->Value(), c.expectValue) << c.what;
        EXPECT_EQ(bar->Max(), c.expectMax) << c.what;
    }
}

TEST(uoRangeTest, AForcedValueIsAnnouncedBeforeTheBound) {
    auto bar = MakePlainBar(40, 10);
    bar->Value(80);
    std::vector<Announcement> seen;
    Record(*bar, seen);
    bar->Max(60);
    bar->Min(70);
    const std::vector<Announcement> expected = {
        {"Value", 0, 60, 60}, {"Max", 0, 60, 60},  // Max is stored before Value follows it
        {"Min", 59, 60, 60},                       // Min 70 becomes 59; Value already above it
    };
    EXPECT_EQ(seen, expected);

    seen.clear();
    bar->Max(100);
    bar->Min(90);
    const std::vector<Announcement> pushed = {{"Max", 59, 60, 100}, {"Value", 90, 90, 100}, {"Min", 90, 90, 100}};
    EXPECT_EQ(seen, pushed);
}

TEST(uoSetterTest, StoresThenAnnouncesThenRepaints) {
    auto bar = MakePlainBar(40, 10);
    bar->Value(0);
    // Row 5 is the first row of the lower bands: green track, blue bar.
    ASSERT_EQ(PixelAt(*bar, 10, 5), test::kTrackGreen);
    std::vector<std::pair<std::int32_t, Color>> atAnnouncement;
    QObject::connect(bar.get(), &Control::PropertyAnnounced, bar.get(),
                     [&] { atAnnouncement.push_back({bar->Value(), PixelAt(*bar, 10, 5)}); });
    bar->Value(100);
    ASSERT_EQ(atAnnouncement.size(), 1u);
    EXPECT_EQ(atAnnouncement[0].first, 100);                // already stored
    EXPECT_EQ(atAnnouncement[0].second, test::kTrackGreen);  // not yet repainted
    EXPECT_EQ(PixelAt(*bar, 10, 5), test::kBarBlue);         // repainted before returning
}

TEST(uoSetterTest, EverySetterAnnouncesItsNameAndRepaintsEvenWithoutChange) {
    auto bar = MakePlainBar(40, 10);
    QStringList names;
    QObject::connect(bar.get(), &Control::PropertyAnnounced, bar.get(), [&](const QString& n) { names << n; });
    auto scribble = [&] { bar->DrawingSurface().SetPixel(10, 5, RGB(1, 2, 3)); };
    const std::vector<std::pair<QString, std::function<void()>>> setters = {
        {"Value", [&] { bar->Value(bar->Value()); }},
        {"Max", [&] { bar->Max(bar->Max()); }},
        {"Min", [&] { bar->Min(bar->Min()); }},
        {"RoundedValue", [&] { bar->RoundedValue(bar->RoundedValue()); }},
        {"Enabled", [&] { bar->Enabled(bar->Enabled()); }},
        {"Theme", [&] { bar->Theme(bar->Theme()); }},
        {"TextStyle", [&] { bar->TextStyle(bar->TextStyle()); }},
        {"Orientations", [&] { bar->Orientations(bar->Orientations()); }},
        {"TextAlignment", [&] { bar->TextAlignment(bar->TextAlignment()); }},
        {"Text", [&] { bar->Text(bar->Text()); }},
        {"TextEffectColor", [&] { bar->TextEffectColor(bar->TextEffectColor()); }},
        {"TextEffect", [&] { bar->TextEffect(bar->TextEffect()); }},
        {"TextForeColor", [&] { bar->TextForeColor(bar->TextForeColor()); }},
        {"TextFont", [&] { bar->TextFont(bar->TextFont()); }},
        {"PBSCustomeColor1", [&] { bar->PBSCustomeColor1(bar->PBSCustomeColor1()); }},
        {"PBSCustomeColor2", [&] { bar->PBSCustomeColor2(bar->PBSCustomeColor2()); }},
    };
    for (const auto& [name, set] : setters) {
        names.clear();
        scribble();
        set();
        EXPECT_EQ(names, QStringList{name});
        EXPECT_NE(PixelAt(*bar, 10, 5), RGB(1, 2, 3)) << qPrintable(name) << " did not repaint";
    }
}

TEST(uoSetterTest, EnabledIsStoredAsTheBooleanAndLeavesTheWidgetEnabled) {
    auto bar = MakeBar(40, 10);
    bar->Enabled(1);
    EXPECT_EQ(bar->Enabled(), kTrue);
    bar->Enabled(kFalse);
    EXPECT_EQ(bar->Enabled(), kFalse);
    EXPECT_TRUE(bar->isEnabled());
}

TEST(uoSetterTest, TextFontIsSharedNotCopied) {
    auto bar = MakeBar(40, 10);
    FontRef font = FontObject::Create("Serif", 12);
    bar->TextFont(font);
    EXPECT_EQ(bar->TextFont().get(), font.get());
    EXPECT_EQ(bar->DrawingSurface().Font().pixelSize(), font->ToQFont().pixelSize());
}

TEST(uoLifecycleTest, NewInstanceSetsItsDefaultsInOrder) {
    auto bar = std::make_unique<uo>();
    QStringList names;
    QObject::connect(bar.get(), &Control::PropertyAnnounced, bar.get(), [&](const QString& n) { names << n; });
    bar->resize(200, 20);
    bar->Create();
    EXPECT_EQ(names, (QStringList{"Max", "Min", "Value", "RoundedValue", "Enabled", "Theme", "TextForeColor", "Text",
                                  "TextAlignment", "TextEffect", "TextEffectColor", "TextStyle", "Orientations",
                                  "TextFont"}));
    EXPECT_EQ(bar->Max(), 100);
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Value(), 50);
    EXPECT_EQ(bar->RoundedValue(), 5);
    EXPECT_EQ(bar->Enabled(), kTrue);
    EXPECT_EQ(bar->Theme(), ThemeGold);
    EXPECT_EQ(bar->TextForeColor(), 0u);
    EXPECT_EQ(bar->Text(), QStringLiteral("Z11A ProgressBar"));
    EXPECT_EQ(bar->TextAlignment(), AlignMiddleCenter);
    EXPECT_EQ(bar->TextEffect(), EffectShadow);
    EXPECT_EQ(bar->TextEffectColor(), RGB(255, 255, 255));
    EXPECT_EQ(bar->TextStyle(), TextCustom);
    EXPECT_EQ(bar->Orientations(), OrientHorizontal);
    EXPECT_EQ(bar->TextFont(), bar->Ambient().Font);
}

TEST(uoLifecycleTest, EmptyBagLoadsTheReadDefaults) {
    PropertyBag bag;
    uo bar;
    QStringList names;
    QObject::connect(&bar, &Control::PropertyAnnounced, &bar, [&](const QString& n) { names << n; });
    bar.resize(200, 20);
    SiteControl(bar, "uo7", &bag);
    EXPECT_EQ(names, (QStringList{"Max", "Min", "Value", "RoundedValue", "Enabled", "Theme", "TextStyle",
                                  "Orientations", "Text", "TextEffectColor", "TextEffect", "TextAlignment",
                                  "TextFont", "TextForeColor", "PBSCustomeColor2", "PBSCustomeColor1"}));
    EXPECT_EQ(bar.Value(), 50);
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.TextStyle(), TextValue);
    EXPECT_EQ(bar.TextEffect(), EffectNormal);
    EXPECT_EQ(bar.TextEffectColor(), RGB(200, 200, 200));
    EXPECT_EQ(bar.Text(), QStringLiteral("uo7"));
    EXPECT_EQ(bar.TextFont(), bar.Ambient().Font);
    EXPECT_EQ(bar.Theme(), ThemeGold);
}

TEST(uoLifecycleTest, ReadingMaxFirstReclampsStoredNeighbours) {
    PropertyBag bag;
    bag.WriteInteger("min", 10, 0);  // keys match without regard to case
    bag.WriteInteger("MAX", 5, 100);
    bag.WriteInteger("Value", 50, 0);
    auto bar = MakeBar(40, 10, &bag);
    EXPECT_EQ(bar->Max(), 5);
    EXPECT_EQ(bar->Min(), 4);
    EXPECT_EQ(bar->Value(), 5);
}

TEST(uoLifecycleTest, AValueThatDoesNotConvertIsSkipped) {
    PropertyBag bag;
    bag.WriteString("Theme", "gold", "");
    bag.WriteString("RoundedValue", "9", "");
    bag.WriteProperty("Text", PropertyValue::Font(FontObject::Create()));
    auto bar = MakeBar(40, 10, &bag);
    EXPECT_EQ(bar->Theme(), 0);         // kept what it had
    EXPECT_EQ(bar->Text(), QString());  // likewise
    EXPECT_EQ(bar->RoundedValue(), 9);  // the keys around them are still read
    EXPECT_EQ(bar->TextEffect(), EffectNormal);
}

TEST(uoLifecycleTest, WritesInItsOrderAndLeavesDefaultsOut) {
    auto bar = MakeBar(200, 20);
    bar->Orientations(OrientVertical);
    bar->Max(200);
    bar->Min(5);
    bar->Value(7);
    bar->RoundedValue(3);
    bar->Enabled(kFalse);
    bar->Theme(ThemeCustom);
    bar->TextStyle(TextPercent);
    bar->TextFont(FontObject::Create("Serif", 14));
    bar->TextForeColor(RGB(1, 2, 3));
    bar->TextAlignment(AlignBottomRight);
    bar->Text("saved");
    bar->TextEffectColor(RGB(4, 5, 6));
    bar->TextEffect(EffectOutline);
    bar->PBSCustomeColor2(RGB(7, 8, 9));
    bar->PBSCustomeColor1(RGB(10, 11, 12));
    PropertyBag bag;
    bar->Save(bag);
    EXPECT_EQ(bag.Keys(), (QStringList{"Orientations", "Max", "Min", "Value", "RoundedValue", "Enabled", "Theme",
                                       "TextStyle", "TextFont", "TextForeColor", "TextAlignment", "Text",
                                       "TextEffectColor", "TextEffect", "PBSCustomeColor2", "PBSCustomeColor1"}));

    auto copy = MakeBar(200, 20, &bag);
    EXPECT_EQ(copy->Orientations(), OrientVertical);
    EXPECT_EQ(copy->Max(), 200);
    EXPECT_EQ(copy->Min(), 5);
    EXPECT_EQ(copy->Value(), 7);
    EXPECT_EQ(copy->RoundedValue(), 3);
    EXPECT_EQ(copy->Enabled(), kFalse);
    EXPECT_EQ(copy->Theme(), ThemeCustom);
    EXPECT_EQ(copy->TextStyle(), TextPercent);
    ASSERT_TRUE(copy->TextFont());
    EXPECT_TRUE(copy->TextFont()->SameAs(*bar->TextFont()));
    EXPECT_EQ(copy->TextForeColor(), RGB(1, 2, 3));
    EXPECT_EQ(copy->TextAlignment(), AlignBottomRight);
    EXPECT_EQ(copy->Text(), QStringLiteral("saved"));
    EXPECT_EQ(copy->TextEffectColor(), RGB(4, 5, 6));
    EXPECT_EQ(copy->TextEffect(), EffectOutline);
    EXPECT_EQ(copy->PBSCustomeColor2(), RGB(7, 8, 9));
    EXPECT_EQ(copy->PBSCustomeColor1(), RGB(10, 11, 12));
}

TEST(uoLifecycleTest, DefaultsAreNotStoredSoAnEmptyTextComesBackAsTheDisplayName) {
    PropertyBag empty;
    auto bar = MakeBar(200, 20, &empty);  // every property at its write default but Text
    bar->Text("");
    PropertyBag bag;
    bar->Save(bag);
    EXPECT_EQ(bag.Count(), 0) << qPrintable(bag.Keys().join(','));
    auto copy = MakeBar(200, 20, &bag);
    EXPECT_EQ(copy->Text(), QStringLiteral("uo1"));
}

}  // namespace
}  // namespace tirnel
