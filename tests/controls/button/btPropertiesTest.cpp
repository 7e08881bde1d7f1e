// The button's settings: a new button's values, the property bag round trip (keys, order,
// defaults, the hooks a load sets up), what each let does besides storing, and the About box.

#include "controls/button/bt.h"
#include "platform/AboutBox.h"
#include "platform/ControlSite.h"
#include "platform/Form.h"
#include "platform/MessageHooks.h"
#include "tests/platform/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace tirnel {
namespace {

const Color kFaceRgb = TranslateColor(SystemColor(kColorButtonFace));
const Color kTextRgb = TranslateColor(SystemColor(kColorButtonText));

// A button of 100 x 30 pixels named "bt1" on a form of its own, new or loaded from bag.
struct Sited {
    Form form;
    Hosted<bt>* button = new Hosted<bt>(&form);

    explicit Sited(std::int16_t userMode, const PropertyBag* bag = nullptr) {
        form.UserMode(userMode);
        form.resize(200, 100);
        button->resize(100, 30);
        SiteControl(*button, QStringLiteral("bt1"), bag);
    }
};

PictureRef Filled(PictureObject::Kind kind, QRgb color, int size = 16) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(color);
    return PictureObject::Create(kind, image);
}

bool SamePicture(const PictureRef& a, const PictureRef& b) { return a && b && a->SameAs(*b); }

bool Watches(bt& owner, const QWidget* window, std::int32_t message) {
    HookTables tables;
    if (!HookTablesOf(&owner, window, tables)) return false;
    return std::find(tables.afterTable.begin(), tables.afterTable.end(), message) != tables.afterTable.end();
}

// A new button in design mode takes `lets`, is saved, the bag takes `edit`, and a second
// button is loaded from it in a container of the given user mode.
struct Trip {
    bt& made;
    const PropertyBag& saved;
    bt& loaded;
    Form& loadForm;
};

struct TripCase {
    const char* name;
    std::function<void(bt&)> lets;
    std::function<void(PropertyBag&)> edit;
    std::int16_t loadUserMode;
    std::function<void(const Trip&)> expect;
};

TEST(btPropertiesTest, SettingsRoundTripThroughThePropertyBag) {
    const auto none = [](auto&) {};
    const TripCase cases[] = {
        {"a new button takes its design name, Tahoma and the standard look", none, nullptr, kFalse,
         [](const Trip& t) {
             EXPECT_EQ(t.made.ButtonStyle(), StyleStandard);
             EXPECT_EQ(t.made.Caption(), QStringLiteral("bt1"));
             EXPECT_EQ(t.made.ShowFocusRect(), kTrue);
             EXPECT_EQ(t.made.Enabled(), kTrue);
             EXPECT_EQ(t.made.BackColor(), kFaceRgb);
             EXPECT_EQ(t.made.ForeColor(), kTextRgb);
             EXPECT_EQ(t.made.PictureAlign(), PicLeftOfCaption);
             EXPECT_EQ(t.made.CaptionAlign(), CaptionCenter);
             EXPECT_EQ(t.made.MaskColor(), 0xE0E0E0u);
             EXPECT_EQ(t.made.UseMaskColor(), kFalse);
             EXPECT_EQ(t.made.DrawingSurface().Font().family(), QStringLiteral("Tahoma"));
             ASSERT_TRUE(t.made.Font());
             EXPECT_EQ(t.made.Font()->Name(), QStringLiteral("Tahoma"));
             // Style 0 is not the write default 1, the focus mark and the name are not
             // theirs either; everything else is at its default.
             EXPECT_EQ(t.saved.Keys(), (QStringList{"ButtonStyle", "ShowFocusRect", "Font", "Caption"}));
             EXPECT_EQ(t.saved.ReadInteger("ButtonStyle", 1), 0);
             EXPECT_EQ(t.loaded.ButtonStyle(), StyleStandard);
             EXPECT_EQ(t.loaded.Caption(), QStringLiteral("bt1"));
             EXPECT_EQ(t.loaded.ShowFocusRect(), kTrue);
             ASSERT_TRUE(t.loaded.Font());
             EXPECT_EQ(t.loaded.Font()->Name(), QStringLiteral("Tahoma"));
             EXPECT_EQ(t.loaded.DrawingSurface().Font().family(), QStringLiteral("Tahoma"));
         }},
        {"a stored style 1 is not written and loads back as 1", [](bt& b) { b.ButtonStyle(StyleThinEdge); }, nullptr,
         kFalse,
         [](const Trip& t) {
             EXPECT_FALSE(t.saved.Contains("ButtonStyle"));
             EXPECT_EQ(t.loaded.ButtonStyle(), StyleThinEdge);
         }},
        {"a button at every write default stores nothing",
         [](bt& b) {
             b.ButtonStyle(StyleThinEdge);
             b.ShowFocusRect(kFalse);
             b.Caption(QStringLiteral("ornbutton1"));
             b.Font(b.Ambient().Font->Clone());
         },
         nullptr, kFalse,
         [](const Trip& t) {
             EXPECT_EQ(t.saved.Count(), 0) << t.saved.Keys().join(',').toStdString();
             EXPECT_EQ(t.loaded.ButtonStyle(), StyleThinEdge);
             EXPECT_EQ(t.loaded.ShowFocusRect(), kFalse);
             EXPECT_EQ(t.loaded.BackColor(), kFaceRgb);
             EXPECT_EQ(t.loaded.ForeColor(), kTextRgb);
             EXPECT_EQ(t.loaded.MaskColor(), 0xE0E0E0u);
             EXPECT_EQ(t.loaded.PictureAlign(), PicLeftOfCaption);
             EXPECT_EQ(t.loaded.CaptionAlign(), CaptionCenter);
             EXPECT_EQ(t.loaded.PictureSize(), PicSizeOriginal);
             EXPECT_EQ(t.loaded.Enabled(), kTrue);
             EXPECT_EQ(t.loaded.MousePointer(), 0);
             ASSERT_TRUE(t.loaded.Font());
             EXPECT_TRUE(t.loaded.Font()->SameAs(*t.loaded.Ambient().Font));
         }},
        {"the caption \"ornbutton1\" is not stored and comes back as \"ornbutton\"",
         [](bt& b) { b.Caption(QStringLiteral("ornbutton1")); }, nullptr, kFalse,
         [](const Trip& t) {
             EXPECT_FALSE(t.saved.Contains("Caption"));
             EXPECT_EQ(t.loaded.Caption(), QStringLiteral("ornbutton"));
         }},
        {"a missing caption reads \"ornbutton\"", none,
         [](PropertyBag& bag) { bag.WriteString("Caption", QString(), QString()); }, kFalse,
         [](const Trip& t) {
             EXPECT_FALSE(t.saved.Contains("Caption"));
             EXPECT_EQ(t.loaded.Caption(), QStringLiteral("ornbutton"));
         }},
        {"every setting away from its default is stored under its own spelling, in order",
         [](bt& b) {
             b.ButtonStyle(StyleOutline);
             b.Enabled(kFalse);
             b.Font(FontObject::Create(QStringLiteral("Arial"), 12, FontObject::kCharsetAnsi));
             b.BackColor(RGB(1, 2, 3));
             b.Caption(QStringLiteral("&Go"));
             b.ForeColor(RGB(4, 5, 6));
             b.CheckBoxMode(kTrue);
             b.Value(kTrue);
             b.MouseIcon(Filled(PictureObject::kIcon, qRgb(9, 9, 9), 32));
             b.HandPointer(kTrue);
             b.Picture(Filled(PictureObject::kBitmap, qRgb(200, 0, 0)));
             b.PictureHover(Filled(PictureObject::kBitmap, qRgb(0, 200, 0)));
             b.PictureAlign(PicBelowCaption);
             b.PictureSize(PicSize32);
             b.UseMaskColor(kTrue);
             b.MaskColor(RGB(7, 8, 9));
             b.CaptionAlign(CaptionRight);
         },
         nullptr, kFalse,
         [](const Trip& t) {
             EXPECT_EQ(t.saved.Keys(),
                       (QStringList{"ButtonStyle", "ShowFocusRect", "Enabled", "Font", "BackColor", "Caption",
                                    "ForeColor", "CheckBoxMode", "Value", "MousePointer", "HandPointer", "MouseIcon",
                                    "Picture", "PictureHover", "PictureAlign", "pictureSize", "UseMaskCOlor",
                                    "MaskColor", "CaptionAlign"}));
             const bt& b = t.loaded;
             EXPECT_EQ(b.ButtonStyle(), StyleOutline);
             EXPECT_EQ(b.ShowFocusRect(), kTrue);
             EXPECT_EQ(b.Enabled(), kFalse);
             EXPECT_FALSE(b.isEnabled());
             ASSERT_TRUE(b.Font());
             EXPECT_TRUE(b.Font()->SameAs(*t.made.Font()));
             EXPECT_NE(b.Font(), t.made.Font());
             EXPECT_EQ(b.BackColor(), RGB(1, 2, 3));
             EXPECT_EQ(b.Caption(), QStringLiteral("&Go"));
             EXPECT_EQ(b.AccessKeys(), QStringLiteral("g"));
             EXPECT_EQ(b.ForeColor(), RGB(4, 5, 6));
             EXPECT_EQ(b.CheckBoxMode(), kTrue);
             EXPECT_EQ(b.Value(), kTrue);
             EXPECT_EQ(b.MousePointer(), 99);
             EXPECT_EQ(b.HandPointer(), kTrue);
             EXPECT_TRUE(SamePicture(b.MouseIcon(), t.made.MouseIcon()));
             EXPECT_TRUE(SamePicture(b.Picture(), t.made.Picture()));
             EXPECT_NE(b.Picture(), t.made.Picture());
             EXPECT_TRUE(SamePicture(b.PictureHover(), t.made.PictureHover()));
             EXPECT_EQ(b.PictureAlign(), PicBelowCaption);
             EXPECT_EQ(b.PictureSize(), PicSize32);
             EXPECT_EQ(b.UseMaskColor(), kTrue);
             EXPECT_EQ(b.MaskColor(), RGB(7, 8, 9));
             EXPECT_EQ(b.CaptionAlign(), CaptionRight);
         }},
        // Value is read before CheckBoxMode: only a reader that assigns the member keeps it.
        {"a stored Value True in check-box mode survives the load",
         [](bt& b) {
             b.CheckBoxMode(kTrue);
             b.Value(kTrue);
         },
         nullptr, kFalse,
         [](const Trip& t) {
             EXPECT_EQ(t.loaded.CheckBoxMode(), kTrue);
             EXPECT_EQ(t.loaded.Value(), kTrue);
         }},
        {"\"pictureSize\" is written so and found again as \"PictureSize\"",
         [](bt& b) { b.PictureSize(PicSize24); }, nullptr, kFalse,
         [](const Trip& t) {
             EXPECT_TRUE(t.saved.Keys().contains(QStringLiteral("pictureSize"), Qt::CaseSensitive));
             EXPECT_EQ(t.loaded.PictureSize(), PicSize24);
         }},
        {"a cursor kind without a cursor picture round trips", [](bt& b) { b.MousePointer(11); }, nullptr, kFalse,
         [](const Trip& t) {
             EXPECT_FALSE(t.saved.Contains("MouseIcon"));
             EXPECT_EQ(t.loaded.MousePointer(), 11);
             EXPECT_TRUE(IsEmptyPicture(t.loaded.MouseIcon()));
         }},
        {"an empty stored font reads as the container's font", none,
         [](PropertyBag& bag) { bag.WriteProperty("Font", PropertyValue::Font(nullptr), PropertyValue::Integer(0)); },
         kFalse,
         [](const Trip& t) {
             ASSERT_TRUE(t.loaded.Font());
             EXPECT_TRUE(t.loaded.Font()->SameAs(*t.loaded.Ambient().Font));
         }},
        {"in design mode a load hooks nothing", [](bt& b) { b.HandPointer(kTrue); }, nullptr, kFalse,
         [](const Trip& t) {
             EXPECT_FALSE(t.made.TracksLeave());
             EXPECT_FALSE(t.loaded.TracksLeave());
             EXPECT_FALSE(IsHooked(&t.made));
             EXPECT_FALSE(IsHooked(&t.loaded));
             EXPECT_FALSE(IsHooked(&t.loadForm));
             EXPECT_EQ(t.loaded.HandPointer(), kTrue);
         }},
        {"in run mode a load hooks the button and its form", [](bt& b) { b.HandPointer(kTrue); }, nullptr, kTrue,
         [](const Trip& t) {
             EXPECT_TRUE(t.loaded.TracksLeave());
             EXPECT_TRUE(IsHooked(&t.loaded));
             EXPECT_TRUE(IsHooked(&t.loadForm));
             EXPECT_TRUE(Watches(t.loaded, &t.loaded, kWmMouseMove));
             EXPECT_TRUE(Watches(t.loaded, &t.loaded, kWmMouseLeave));
             // The form is no multiple-document child: its own activation is watched.
             EXPECT_TRUE(Watches(t.loaded, &t.loadForm, kWmActivate));
             EXPECT_EQ(t.loaded.HandPointer(), kTrue);
         }},
    };
    for (const TripCase& c : cases) {
        SCOPED_TRACE(c.name);
        Sited made(kFalse);
        c.lets(*made.button);
        PropertyBag bag;
        made.button->Save(bag);
        if (c.edit) c.edit(bag);
        Sited loaded(c.loadUserMode, &bag);
        c.expect(Trip{*made.button, bag, *loaded.button, loaded.form});
    }
}

// A let on a new design-mode button: what it announces, whether it repaints, and what else
// it changes.
struct LetCase {
    const char* name;
    std::function<void(bt&)> setup;
    std::function<void(bt&)> let;
    const char* announced;  // comma-separated, in order
    bool repaints;
    std::function<void(bt&)> expect;
};

TEST(btPropertiesTest, LetsChangeWhatTheySayAndAnnounceInOrder) {
    const auto none = [](bt&) {};
    const PictureRef red = Filled(PictureObject::kBitmap, qRgb(255, 0, 0));
    const PictureRef blue = Filled(PictureObject::kIcon, qRgb(0, 0, 255));
    const auto replaced = std::make_shared<FontRef>();
    const LetCase cases[] = {
        {"ButtonStyle 4: shifted grey face, no focus mark", none, [](bt& b) { b.ButtonStyle(StyleSkyGlass); },
         "ButtonStyle", true,
         [](bt& b) {
             EXPECT_EQ(b.BackColor(), 0xE3E3E3u);
             EXPECT_EQ(b.ForeColor(), kTextRgb);
             EXPECT_EQ(b.ShowFocusRect(), kFalse);
         }},
        {"ButtonStyle 5: white text on blue, focus mark", [](bt& b) { b.ShowFocusRect(kFalse); },
         [](bt& b) { b.ButtonStyle(StyleOutline); }, "ButtonStyle", true,
         [](bt& b) {
             EXPECT_EQ(b.BackColor(), 0xAA6D00u);
             EXPECT_EQ(b.ForeColor(), 0xFFFFFFu);
             EXPECT_EQ(b.ShowFocusRect(), kTrue);
         }},
        {"ButtonStyle 20: face kept, button text, no focus mark",
         [](bt& b) {
             b.BackColor(RGB(10, 20, 30));
             b.ForeColor(RGB(40, 50, 60));
         },
         [](bt& b) { b.ButtonStyle(20); }, "ButtonStyle", true,
         [](bt& b) {
             EXPECT_EQ(b.ButtonStyle(), 20);
             EXPECT_EQ(b.BackColor(), RGB(10, 20, 30));
             EXPECT_EQ(b.ForeColor(), kTextRgb);
             EXPECT_EQ(b.ShowFocusRect(), kFalse);
         }},
        {"Value outside check-box mode is ignored", none, [](bt& b) { b.Value(kTrue); }, "", true,
         [](bt& b) {
             EXPECT_EQ(b.Value(), kFalse);
             EXPECT_EQ(b.InteractionState().mState, StateNormal);
         }},
        {"Value False in check-box mode lets the button up",
         [](bt& b) {
             b.ButtonStyle(StyleRoundBlue);
             b.CheckBoxMode(kTrue);
             b.Value(kTrue);
         },
         [](bt& b) { b.Value(kFalse); }, "Value", true,
         [](bt& b) {
             EXPECT_EQ(b.Value(), kFalse);
             EXPECT_EQ(b.InteractionState().mState, StateNormal);
         }},
        // A checked round-blue button is drawn down; leaving check-box mode draws it normal.
        {"CheckBoxMode False keeps Value and draws the normal state",
         [](bt& b) {
             b.ButtonStyle(StyleRoundBlue);
             b.CheckBoxMode(kTrue);
             b.Value(kTrue);
             EXPECT_EQ(b.InteractionState().mState, StateDown);
         },
         [](bt& b) { b.CheckBoxMode(kFalse); }, "Value,CheckBoxMode", true,
         [](bt& b) {
             EXPECT_EQ(b.CheckBoxMode(), kFalse);
             EXPECT_EQ(b.Value(), kTrue);
             EXPECT_EQ(b.InteractionState().mState, StateNormal);
         }},
        {"PictureHover on a button without Picture sets both", none, [&](bt& b) { b.PictureHover(blue); },
         "Picture,PictureHover", true,
         [&](bt& b) {
             EXPECT_EQ(b.Picture(), blue);
             EXPECT_EQ(b.PictureHover(), blue);
         }},
        {"PictureHover on a button with a Picture leaves it", [&](bt& b) { b.Picture(red); },
         [&](bt& b) { b.PictureHover(blue); }, "PictureHover", true,
         [&](bt& b) {
             EXPECT_EQ(b.Picture(), red);
             EXPECT_EQ(b.PictureHover(), blue);
         }},
        {"clearing Picture announces nothing", [&](bt& b) { b.Picture(red); }, [](bt& b) { b.Picture(nullptr); }, "",
         true, [](bt& b) { EXPECT_TRUE(IsEmptyPicture(b.Picture())); }},
        {"Picture", none, [&](bt& b) { b.Picture(red); }, "Picture", true,
         [&](bt& b) { EXPECT_EQ(b.Picture(), red); }},
        {"PictureAlign without a picture", none, [](bt& b) { b.PictureAlign(PicCenter); }, "PictureAlign", false,
         [](bt& b) { EXPECT_EQ(b.PictureAlign(), PicCenter); }},
        {"PictureAlign with a picture", [&](bt& b) { b.Picture(red); }, [](bt& b) { b.PictureAlign(PicCenter); },
         "PictureAlign", true, nullptr},
        {"UseMaskColor without a picture", none, [](bt& b) { b.UseMaskColor(kTrue); }, "UseMaskColor", false,
         [](bt& b) { EXPECT_EQ(b.UseMaskColor(), kTrue); }},
        {"UseMaskColor with a picture", [&](bt& b) { b.Picture(red); }, [](bt& b) { b.UseMaskColor(kTrue); },
         "UseMaskColor", true, nullptr},
        {"HandPointer", none, [](bt& b) { b.HandPointer(kTrue); }, "HandPointer", false,
         [](bt& b) { EXPECT_EQ(b.HandPointer(), kTrue); }},
        {"ShowFocusRect", none, [](bt& b) { b.ShowFocusRect(kFalse); }, "ShowFocusRect", false,
         [](bt& b) { EXPECT_EQ(b.ShowFocusRect(), kFalse); }},
        {"BackColor", none, [](bt& b) { b.BackColor(RGB(1, 1, 1)); }, "BackColor", true, nullptr},
        {"CaptionAlign", none, [](bt& b) { b.CaptionAlign(CaptionLeft); }, "CaptionAlign", true, nullptr},
        {"MaskColor", none, [](bt& b) { b.MaskColor(RGB(1, 1, 1)); }, "MaskColor", true, nullptr},
        {"PictureSize", none, [](bt& b) { b.PictureSize(PicSize16); }, "PictureSize", true, nullptr},
        {"Enabled disables the window", none, [](bt& b) { b.Enabled(kFalse); }, "Enabled", true,
         [](bt& b) { EXPECT_FALSE(b.isEnabled()); }},
        {"ForeColor", none, [](bt& b) { b.ForeColor(RGB(0, 0, 255)); }, "ForeColor",
         true, [](bt& b) { EXPECT_EQ(b.ForeColor(), RGB(0, 0, 255)); }},
        {"MouseIcon with a picture makes the cursor custom", none, [&](bt& b) { b.MouseIcon(blue); }, "MouseIcon",
         false,
         [&](bt& b) {
             EXPECT_EQ(b.MouseIcon(), blue);
             EXPECT_EQ(b.MousePointer(), 99);
         }},
        {"MouseIcon without a picture makes the cursor the default",
         [&](bt& b) {
             b.MouseIcon(blue);
             b.MousePointer(5);
         },
         [](bt& b) { b.MouseIcon(nullptr); }, "MouseIcon", false, [](bt& b) { EXPECT_EQ(b.MousePointer(), 0); }},
        {"MousePointer", none, [](bt& b) { b.MousePointer(-1); }, "MousePointer", false,
         [](bt& b) { EXPECT_EQ(b.MousePointer(), -1); }},
        {"MousePointer outside 16 bits leaves the kind", [](bt& b) { b.MousePointer(5); },
         [](bt& b) { b.MousePointer(70000); }, "", false, [](bt& b) { EXPECT_EQ(b.MousePointer(), 5); }},
        {"Font(nullptr) is ignored", none, [](bt& b) { b.Font(nullptr); }, "", false,
         [](bt& b) {
             ASSERT_TRUE(b.Font());
             EXPECT_EQ(b.Font()->Name(), QStringLiteral("Tahoma"));
         }},
        // The let announces, then runs the font's change handler, which announces again.
        {"Font replaced",
         none, [](bt& b) { b.Font(FontObject::Create(QStringLiteral("Arial"), 14, FontObject::kCharsetAnsi)); },
         "Font,Font", true,
         [](bt& b) {
             EXPECT_EQ(b.Font()->Name(), QStringLiteral("Arial"));
             EXPECT_EQ(b.DrawingSurface().Font().family(), QStringLiteral("Arial"));
         }},
        {"a change made on the font object itself", none, [](bt& b) { b.Font()->Name(QStringLiteral("Arial")); },
         "Font", true, [](bt& b) { EXPECT_EQ(b.DrawingSurface().Font().family(), QStringLiteral("Arial")); }},
        {"a font let go of no longer reaches the button",
         [replaced](bt& b) {
             *replaced = b.Font();
             b.Font(FontObject::Create(QStringLiteral("Arial"), 14, FontObject::kCharsetAnsi));
         },
         [replaced](bt&) { (*replaced)->Size(20); }, "", false, nullptr},
    };
    struct CaptionCase {
        const char* caption;
        const char* accessKeys;
    };
    const CaptionCase captions[] = {
        {"&Save", "s"}, {"Fish && Chips", ""}, {"Fish && &Chips", "c"}, {"A&&B", ""}, {"a&&b&&c&d", ""},
        {"&", ""},      {"Save&", ""},         {"x&&&Y", "y"},
    };
    std::vector<LetCase> all(std::begin(cases), std::end(cases));
    for (const CaptionCase& c : captions) {
        const QString caption = QString::fromUtf8(c.caption);
        const QString keys = QString::fromUtf8(c.accessKeys);
        // An earlier key goes when the new caption has none.
        all.push_back({c.caption, [](bt& b) { b.Caption(QStringLiteral("&Quit")); },
                       [caption](bt& b) { b.Caption(caption); }, "Caption", true, [caption, keys](bt& b) {
                           EXPECT_EQ(b.Caption(), caption);
                           EXPECT_EQ(b.AccessKeys(), keys);
                       }});
    }

    constexpr Color kMarker = RGB(0x12, 0x34, 0x56);
    for (const LetCase& c : all) {
        SCOPED_TRACE(c.name);
        Sited site(kFalse);
        bt& b = *site.button;
        c.setup(b);
        // Any repaint clears the surface, so a marked pixel tells whether one ran.
        b.DrawingSurface().SetPixel(50, 15, kMarker);
        QStringList announced;
        QObject::connect(&b, &Control::PropertyAnnounced, [&](const QString& p) { announced << p; });
        c.let(b);
        EXPECT_EQ(announced.join(','), QString::fromUtf8(c.announced));
        EXPECT_EQ(b.DrawingSurface().GetPixel(50, 15) != kMarker, c.repaints) << "repaint";
        if (c.expect) c.expect(b);
    }
}

TEST(btPropertiesTest, AboutShowsAModalInformationBox) {
    Sited site(kTrue);
    std::vector<MessageBoxContent> shown;
    ScopedAboutBoxPresenter presenter([&](QWidget*, const MessageBoxContent& content) { shown.push_back(content); });
    site.button->About();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].mTitle, QStringLiteral("About"));
    EXPECT_EQ(shown[0].mIcon, QMessageBox::Information);
    EXPECT_EQ(shown[0].mText,
              QStringLiteral("OrnButton\r\nA Multistyle Button Control\r\n\r\nCreated by: the Tirnel developers"));
}

}  // namespace
}  // namespace tirnel
