#include "platform/Boolean.h"
#include "platform/FontObject.h"
#include "platform/PictureObject.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QSignalSpy>

#include <functional>

namespace tirnel {
namespace {

struct FontChange {
    const char* property;
    std::function<void(FontObject&)> change;
};

TEST(FontObjectTest, EachChangeIsAnnouncedOnceWithItsName) {
    const FontChange changes[] = {
        {"Name", [](FontObject& f) { f.Name("Tahoma"); }},
        {"Size", [](FontObject& f) { f.Size(12); }},
        {"Weight", [](FontObject& f) { f.Weight(600); }},
        {"Bold", [](FontObject& f) { f.Bold(kTrue); }},
        {"Italic", [](FontObject& f) { f.Italic(kTrue); }},
        {"Underline", [](FontObject& f) { f.Underline(kTrue); }},
        {"Strikethrough", [](FontObject& f) { f.Strikethrough(kTrue); }},
        {"Charset", [](FontObject& f) { f.Charset(FontObject::kCharsetAnsi); }},
    };
    for (const FontChange& c : changes) {
        SCOPED_TRACE(c.property);
        FontObject font;
        QSignalSpy spy(&font, &FontObject::FontChanged);
        c.change(font);
        ASSERT_EQ(spy.count(), 1);
        EXPECT_EQ(spy.at(0).at(0).toString(), QString(c.property));
        c.change(font);  // the same value again changes nothing
        EXPECT_EQ(spy.count(), 1);
    }
}

TEST(FontObjectTest, BoldIsTheWeightSeenAsAFlag) {
    FontObject font;
    EXPECT_EQ(font.Bold(), kFalse);
    font.Bold(kTrue);
    EXPECT_EQ(font.Weight(), 700);
    font.Weight(551);
    EXPECT_EQ(font.Bold(), kTrue);
    font.Weight(550);
    EXPECT_EQ(font.Bold(), kFalse);
    font.Bold(kFalse);
    EXPECT_EQ(font.Weight(), 400);
}

TEST(FontObjectTest, CloneCopiesAttributesButNotListeners) {
    const FontRef font = FontObject::Create("Tahoma", 8.25, FontObject::kCharsetAnsi);
    font->Italic(kTrue);
    font->Weight(700);
    const FontRef copy = font->Clone();
    EXPECT_TRUE(copy->SameAs(*font));

    QSignalSpy original(font.get(), &FontObject::FontChanged);
    copy->Size(20);
    EXPECT_EQ(original.count(), 0);
    EXPECT_FALSE(copy->SameAs(*font));
}

TEST(FontObjectTest, QtFontCarriesTheAttributes) {
    FontObject font("Tahoma", 9, FontObject::kCharsetAnsi);
    font.Bold(kTrue);
    font.Italic(kTrue);
    font.Underline(kTrue);
    const QFont q = font.ToQFont();
    EXPECT_EQ(q.pixelSize(), 12);  // 9 points at 96 dots per inch
    EXPECT_EQ(q.weight(), QFont::Bold);
    EXPECT_TRUE(q.italic());
    EXPECT_TRUE(q.underline());
    EXPECT_FALSE(q.strikeOut());

    font.Size(8.25);  // 11 pixels, the usual small dialog font
    EXPECT_EQ(font.ToQFont().pixelSize(), 11);
}

TEST(FontObjectTest, SongFontNamesResolveToAnInstalledSongFace) {
    const QStringList installed = QFontDatabase::families();
    QString expected;
    for (const char* face : {"AR PL UMing CN", "Noto Serif CJK SC", "Noto Sans CJK SC"}) {
        if (installed.contains(QString(face))) {
            expected = face;
            break;
        }
    }
    if (expected.isEmpty()) GTEST_SKIP() << "no Song-style CJK face installed";
    for (const char* name : {"宋体", "SimSun"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(QFontInfo(FontObject(name, 9).ToQFont()).family(), expected);
    }
}

TEST(PictureObjectTest, SizeIsInHimetricRoundedToNearestWithTiesToEven) {
    const struct {
        int pixels;
        int himetric;
    } cases[] = {{0, 0}, {1, 26}, {12, 318}, {13, 344}, {16, 423}, {36, 952}, {96, 2540}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pixels);
        EXPECT_EQ(PictureObject::PixelsToHimetric(c.pixels), c.himetric);
        EXPECT_EQ(PictureObject::HimetricToPixels(c.himetric), c.pixels);
    }
    const PictureRef icon = PictureObject::Icon(QImage(13, 12, QImage::Format_ARGB32));
    EXPECT_EQ(icon->Type(), PictureObject::kIcon);
    EXPECT_EQ(icon->Width(), 344);
    EXPECT_EQ(icon->Height(), 318);
}

TEST(PictureObjectTest, AnEmptyImageIsNoPicture) {
    EXPECT_EQ(PictureObject::Bitmap(QImage())->Type(), PictureObject::kNone);
    EXPECT_TRUE(IsEmptyPicture(nullptr));
    EXPECT_TRUE(IsEmptyPicture(PictureObject::Bitmap(QImage())));
    EXPECT_FALSE(IsEmptyPicture(PictureObject::Bitmap(QImage(1, 1, QImage::Format_RGB32))));
}

}  // namespace
}  // namespace tirnel

namespace tirnel {
namespace {

TEST(FontObjectBitmaps, SmallSongFacesAreDrawnWithoutSmoothing) {
    const struct {
        const char* name;
        double points;
        bool crisp;
    } cases[] = {{"宋体", 9, true}, {"SimSun", 12, true}, {"宋体", 18, false}, {"Arial", 9, false}};
    for (const auto& c : cases) {
        const QFont font = FontObject(QString::fromUtf8(c.name), c.points).ToQFont();
        EXPECT_EQ((font.styleStrategy() & QFont::NoAntialias) != 0, c.crisp) << c.name << " " << c.points;
    }
}

}  // namespace
}  // namespace tirnel
