// tirnel-render button, seen from outside: the window shape each style cuts, and where and how
// the picture and the caption land on a face no style paints over (the plain button face).
// Expected pictures are built here pixel by pixel from the fixtures and compared with the PNG.

#include "controls/button/ButtonEnums.h"
#include "controls/button/ButtonStyleTraits.h"
#include "controls/button/CaptionLayout.h"
#include "platform/FontObject.h"
#include "platform/Region.h"
#include "platform/Surface.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace tirnel {
namespace {

const QString kTool = QStringLiteral(TIRNEL_BIN_DIR "/tirnel-render");
constexpr QRgb kFace = 0xFFF0F0F0;
// A style value that names no look.
constexpr std::int32_t kNoLook = 20;
constexpr QRgb kGreyText = 0xFF6D6D6D;
constexpr QRgb kButtonText = 0xFF000000;

// One run of the tool; the PNG it wrote, or a null image when it failed. Unless the arguments
// choose a style, the button takes one that names no look, so only the plain face, the
// picture and the caption are drawn.
QImage Render(const QString& out, const QStringList& arguments, QString* error = nullptr) {
    QFile::remove(out);
    QStringList all{QStringLiteral("button")};
    if (!arguments.join(u' ').contains(QLatin1String("ButtonStyle="))) all << "--set" << QStringLiteral("ButtonStyle=%1").arg(kNoLook);
    QProcess process;
    process.start(kTool, all + arguments + QStringList{QStringLiteral("--out"), out});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        if (error) *error = QString::fromUtf8(process.readAllStandardError());
        return {};
    }
    return QImage(out).convertToFormat(QImage::Format_ARGB32);
}

QString Hex(QRgb pixel) { return QStringLiteral("%1").arg(pixel, 8, 16, QLatin1Char('0')); }

// The caption as the button measures it: its surface's text size in the default font.
struct TextSize {
    std::int64_t width = 0;
    std::int64_t height = 0;
    int firstAdvance = 0;  // the first shown character's advance
};
TextSize Measure(const QString& caption, const QString& firstShown = {}) {
    Surface surface(8, 8);
    surface.SetFont(FontObject::Create()->ToQFont());
    return {surface.TextWidth(caption), surface.TextHeight(caption), surface.TextWidth(firstShown)};
}

// A picture of 16 x 16 (or any size) whose every pixel differs from every other and from the
// face and the text colours.
QImage Distinct(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) image.setPixel(x, y, qRgb(30 + 6 * x, 30 + 6 * y, 0x90));
    return image;
}

// A second picture of the same size, told apart from Distinct by its blue channel.
QImage Other(int size) {
    QImage image = Distinct(size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) image.setPixel(x, y, (image.pixel(x, y) & 0xFFFFFF00u) | 0x20);
    return image;
}

// An icon's mask: clear (white) along the left three columns and the top two rows.
bool Clear(int x, int y) { return x < 3 || y < 2; }
QImage IconMask(int size) {
    QImage mask(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) mask.setPixel(x, y, Clear(x, y) ? 0xFFFFFFFF : 0xFF000000);
    return mask;
}
// The icon's colour image is black where it is clear, as icons are kept.
QImage IconColors(QImage image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Clear(x, y)) image.setPixel(x, y, 0xFF000000);
    return image;
}

// Nearest-neighbour source column or row for destination d of dw, from sw.
int SourceOf(int d, int dw, int sw) {
    if (dw >= sw) return static_cast<int>(((2LL * d + 1) * sw - 1) / (2LL * dw));
    return static_cast<int>((2LL * d * sw + dw) / (2LL * dw));
}

QRgb GreyOf(QRgb pixel) {
    const int average = (qRed(pixel) + qGreen(pixel) + qBlue(pixel)) / 3;
    return qRgb(average, average, average);
}

enum class Kind { Bitmap, Icon };

// What a picture puts at each place of its draw rectangle.
struct Drawn {
    Drawn(Kind kind, QImage image) : kind(kind), image(std::move(image)) {}

    Kind kind = Kind::Bitmap;
    QImage image;  // the colours as given, icons black where clear
    bool disabled = false;
    std::optional<QRgb> key;  // the bitmap colour left out

    // Greying walks the bottom-up byte stream in threes and stops four bytes before its end, so
    // with rows of whole pixels the stream's last pixel, the top-right one, keeps its colour.
    bool LastInStream(int sx, int sy) const { return sy == 0 && sx == image.width() - 1; }

    QRgb At(int dx, int dy, int pw, int ph) const {
        int sx = dx, sy = dy;
        if (kind == Kind::Icon || disabled) {
            sx = SourceOf(dx, pw, image.width());
            sy = SourceOf(dy, ph, image.height());
        }
        if (kind == Kind::Icon && Clear(sx, sy)) return kFace;
        const QRgb source = image.pixel(sx, sy) | 0xFF000000;
        if (key && source == (*key | 0xFF000000)) return kFace;
        return disabled && !LastInStream(sx, sy) ? GreyOf(source) : source;
    }
};

// Compares the picture's rectangle with what it should show and every other pixel outside
// `elsewhere` with the face; returns the first difference.
std::optional<QString> Difference(const QImage& image, int picX, int picY, int pw, int ph, const Drawn& drawn,
                                  const QRect& elsewhere = {}) {
    const QRect picture(picX, picY, pw, ph);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QRgb expected = kFace;
            if (picture.contains(x, y)) {
                expected = drawn.At(x - picX, y - picY, pw, ph);
            } else if (elsewhere.contains(x, y)) {
                continue;
            }
            if (image.pixel(x, y) != expected)
                return QStringLiteral("(%1,%2) is %3, not %4").arg(x).arg(y).arg(Hex(image.pixel(x, y)), Hex(expected));
        }
    }
    return std::nullopt;
}

class RenderPicturesTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFileInfo(kTool).isExecutable()) GTEST_SKIP() << "tirnel-render is not built";
        ASSERT_TRUE(mDir.isValid());
    }
    QString File(const QString& name) const { return mDir.filePath(name); }
    // Saves a fixture and gives its path.
    QString Save(const QImage& image, const QString& name) const {
        const QString path = File(name);
        EXPECT_TRUE(image.save(path, "PNG"));
        return path;
    }
    QString Bitmap(const QImage& image, const QString& name) const {
        return QStringLiteral("bitmap:") + Save(image, name + QStringLiteral(".png"));
    }
    QString Icon(const QImage& colors, const QString& name) const {
        return QStringLiteral("icon:") + Save(IconColors(colors), name + QStringLiteral(".png")) + u':' +
               Save(IconMask(colors.width()), name + QStringLiteral("-mask.png"));
    }
    QImage Run(const QStringList& arguments) {
        QString error;
        const QImage image = Render(File(QStringLiteral("button.png")), arguments, &error);
        EXPECT_FALSE(image.isNull()) << arguments.join(u' ').toStdString() << ": " << error.toStdString();
        return image;
    }

    QTemporaryDir mDir;
};

// The rounded styles cut their corners with the ellipse of their corner size; the others, and
// style numbers that name no style, keep the whole rectangle.
TEST_F(RenderPicturesTest, StylesCutTheirShape) {
    struct Case {
        int style;
        int corner;  // 0 for a plain rectangle
    };
    const std::vector<Case> cases = {{0, 0},  {1, 0},  {2, 3},  {3, 4},   {4, 3},   {5, 0},  {6, 3},
                                     {7, 0},  {8, 3},  {9, 0},  {10, 4},  {11, 0},  {12, 0}, {13, 0},
                                     {14, 18}, {15, 0}, {20, 0}, {-1, 0}};
    for (const Case& c : cases) {
        const QImage image = Run({"--size", "100x30", "--set", QStringLiteral("ButtonStyle=%1").arg(c.style)});
        ASSERT_EQ(image.size(), QSize(100, 30)) << c.style;
        const Region shape = c.corner > 0 ? Region::CreateRoundRectRgn(0, 0, 101, 31, c.corner, c.corner)
                                          : Region::CreateRectRgn(0, 0, 100, 30);
        int clear = 0;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 100; ++x) {
                const bool transparent = qAlpha(image.pixel(x, y)) == 0;
                clear += transparent;
                EXPECT_EQ(transparent, !shape.Contains(x, y)) << "style " << c.style << " at " << x << "," << y;
                if (!transparent) {
                    EXPECT_EQ(qAlpha(image.pixel(x, y)), 255) << c.style;
                }
            }
        }
        EXPECT_EQ(clear > 0, c.corner > 0) << c.style;
    }
    // The button keeps itself at least 220 twips, 15 pixels here, each way.
    EXPECT_EQ(Run({"--size", "10x10"}).size(), QSize(15, 15));
    EXPECT_EQ(Run({"--size", "10x40"}).size(), QSize(15, 40));
}

// Each alignment puts the picture where the layout says; an icon is scaled to the picture size,
// a bitmap is cut to its top-left part. An empty caption draws nothing.
TEST_F(RenderPicturesTest, PicturesGoWhereTheirAlignmentSays) {
    const QImage bitmap = Distinct(32);
    const QImage icon = Distinct(16);
    const QString bitmapSetting = Bitmap(bitmap, QStringLiteral("bitmap"));
    const QString iconSetting = Icon(icon, QStringLiteral("icon"));
    const TextSize text = Measure(QString());
    struct Picture {
        QString setting;
        Drawn drawn;
        int own;
    };
    const std::vector<Picture> pictures = {{bitmapSetting, {Kind::Bitmap, bitmap}, 32},
                                           {iconSetting, {Kind::Icon, icon}, 16}};
    const int W = 140, H = 70;
    for (const Picture& picture : pictures) {
        for (int pictureSize = 0; pictureSize <= 3; ++pictureSize) {
            for (int align : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
                const QImage image = Run({"--size", QStringLiteral("%1x%2").arg(W).arg(H), "--set", "Caption=", "--set",
                                          "CaptionAlign=1", "--set", QStringLiteral("PictureAlign=%1").arg(align),
                                          "--set", QStringLiteral("PictureSize=%1").arg(pictureSize), "--set",
                                          QStringLiteral("Picture=") + picture.setting});
                ASSERT_EQ(image.size(), QSize(W, H));
                const int side = pictureSize == 0 ? picture.own : 8 + 8 * pictureSize;
                CaptionLayoutInput in;
                in.placement = StyleTraits(kNoLook).caption;
                in.width = W;
                in.height = H;
                in.textWidth = text.width;
                in.textHeight = text.height;
                in.picWidth = side;
                in.picHeight = side;
                in.hasPicture = true;
                in.pictureAlign = align;
                in.captionAlign = 1;
                const CaptionLayout layout = LayOutPictureAndCaption(in);
                const std::optional<QString> difference =
                    Difference(image, layout.picX, layout.picY, layout.picWidth, layout.picHeight, picture.drawn);
                EXPECT_FALSE(difference) << picture.setting.section(u':', 0, 0).toStdString() << " PictureSize "
                                         << pictureSize << " PictureAlign " << align << ": "
                                         << difference.value_or(QString()).toStdString();
            }
        }
    }
}

// The mask colour is left out only when UseMaskColor asks for it, and only that exact colour.
TEST_F(RenderPicturesTest, MaskColorLetsTheFaceThrough) {
    QImage picture = Distinct(16);
    const QRgb key = qRgb(0x12, 0x34, 0x56);
    for (int y = 4; y < 12; ++y)
        for (int x = 0; x < 8; ++x) picture.setPixel(x, y, key);
    const QString setting = QStringLiteral("Picture=") + Bitmap(picture, QStringLiteral("keyed"));
    struct Case {
        QStringList settings;
        bool keyedOut;
    };
    const std::vector<Case> cases = {
        {{"UseMaskColor=True", "MaskColor=0x563412"}, true},
        {{"MaskColor=0x563412"}, false},
        {{"UseMaskColor=False", "MaskColor=0x563412"}, false},
        {{"UseMaskColor=True", "MaskColor=0x563413"}, false},
        {{"UseMaskColor=True", "MaskColor=0x123456"}, false},
    };
    for (const Case& c : cases) {
        QStringList arguments{"--size", "60x30", "--set", "Caption=", "--set", "PictureAlign=4", "--set", setting};
        for (const QString& s : c.settings) arguments << "--set" << s;
        const QImage image = Run(arguments);
        Drawn drawn{Kind::Bitmap, picture};
        if (c.keyedOut) drawn.key = key;
        // PicCenter: the 16-pixel picture sits in the middle of the 60 x 30 face.
        const std::optional<QString> difference = Difference(image, 22, 7, 16, 16, drawn);
        EXPECT_FALSE(difference) << c.settings.join(u' ').toStdString() << ": "
                                 << difference.value_or(QString()).toStdString();
    }
}

// The hover picture shows while the mouse is over the button or presses it, and only when it is
// of the picture's kind.
TEST_F(RenderPicturesTest, HoverPictureOfTheSameKindShowsUnderTheMouse) {
    const QImage first = Distinct(16);
    const QImage second = Other(16);
    const QString bitmapA = Bitmap(first, QStringLiteral("a")), bitmapB = Bitmap(second, QStringLiteral("b"));
    const QString iconA = Icon(first, QStringLiteral("ia")), iconB = Icon(second, QStringLiteral("ib"));
    struct Case {
        QString picture, hover;
        Kind kind;
        bool hoverShows;
    };
    const std::vector<Case> cases = {
        {bitmapA, bitmapB, Kind::Bitmap, true},
        {iconA, iconB, Kind::Icon, true},
        {bitmapA, iconB, Kind::Bitmap, false},
        {iconA, bitmapB, Kind::Icon, false},
    };
    struct State {
        const char* name;
        int state;
    };
    const std::vector<State> states = {{nullptr, 0}, {"hover", 1}, {"down", 2}};
    const TextSize text = Measure(QString());
    for (const Case& c : cases) {
        for (const State& s : states) {
            QStringList arguments{"--size", "60x30", "--set", "Caption=", "--set", "PictureAlign=4",
                                  "--set", "PictureSize=1", "--set", "Picture=" + c.picture,
                                  "--set", "PictureHover=" + c.hover};
            if (s.name) arguments << "--state" << s.name;
            const QImage image = Run(arguments);
            CaptionLayoutInput in;
            in.placement = StyleTraits(kNoLook).caption;
            in.width = 60;
            in.height = 30;
            in.textWidth = text.width;
            in.textHeight = text.height;
            in.picWidth = in.picHeight = 16;
            in.hasPicture = true;
            in.pictureAlign = 4;
            in.captionAlign = 1;
            in.pressed = s.state == StateDown;
            const CaptionLayout layout = LayOutPictureAndCaption(in);
            const bool hover = c.hoverShows && s.state != 0;
            const Drawn drawn{c.kind, hover ? second : first};
            const std::optional<QString> difference = Difference(image, layout.picX, layout.picY, 16, 16, drawn);
            EXPECT_FALSE(difference) << c.hover.section(u':', 0, 0).toStdString() << " hover over "
                                     << c.picture.section(u':', 0, 0).toStdString() << " in state " << s.state
                                     << (hover ? " (hover picture)" : " (picture)") << ": "
                                     << difference.value_or(QString()).toStdString();
        }
    }
}

// Looks for the lowest row holding a pixel other than the face inside `area`.
int LowestInkRow(const QImage& image, const QRect& area) {
    for (int y = area.bottom(); y >= area.top(); --y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != kFace) return y;
    return -1;
}

int LeftmostInkColumn(const QImage& image) {
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != kFace) return x;
    return -1;
}

// The columns of `row` holding exactly `colour`, as a half-open range, when they are one run.
std::optional<std::pair<int, int>> ColorRun(const QImage& image, int row, QRgb color) {
    int left = -1, right = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, row) != color) continue;
        if (left < 0) left = x;
        else if (right != x) return std::nullopt;
        right = x + 1;
    }
    if (left < 0) return std::nullopt;
    return std::pair{left, right};
}

// A disabled button greys its picture channel by channel into their average, keeps an icon's
// clear pixels clear, and writes its caption in the grey-text colour.
TEST_F(RenderPicturesTest, DisabledButtonGreysPictureAndCaption) {
    const QImage picture = Distinct(16);
    const QString caption = QStringLiteral("&Save");
    const TextSize text = Measure(caption, QStringLiteral("S"));
    struct Case {
        QString setting;
        Kind kind;
    };
    const std::vector<Case> cases = {{Bitmap(picture, QStringLiteral("grey")), Kind::Bitmap},
                                     {Icon(picture, QStringLiteral("greyicon")), Kind::Icon}};
    for (const Case& c : cases) {
        const QImage image = Run({"--size", "120x30", "--set", "Enabled=False", "--set", "Caption=" + caption,
                                  "--set", "PictureAlign=0", "--set", "Picture=" + c.setting});
        CaptionLayoutInput in;
        in.placement = StyleTraits(kNoLook).caption;
        in.width = 120;
        in.height = 30;
        in.textWidth = text.width;
        in.textHeight = text.height;
        in.picWidth = in.picHeight = 16;
        in.hasPicture = true;
        in.hasAccessKey = true;
        in.pictureAlign = 0;
        in.captionAlign = 1;
        const CaptionLayout layout = LayOutPictureAndCaption(in);
        const QRect captionRect(static_cast<int>(layout.caption.left), static_cast<int>(layout.caption.top),
                                static_cast<int>(layout.caption.right - layout.caption.left),
                                static_cast<int>(layout.caption.bottom - layout.caption.top));
        Drawn drawn{c.kind, picture};
        drawn.disabled = true;
        const std::optional<QString> difference =
            Difference(image, layout.picX, layout.picY, 16, 16, drawn, captionRect);
        EXPECT_FALSE(difference) << (c.kind == Kind::Icon ? "icon: " : "bitmap: ")
                                 << difference.value_or(QString()).toStdString();

        // The caption: nothing darker than the grey text, the underline under the S in it.
        const QRect shown = captionRect.intersected(image.rect());
        int darkest = 255;
        for (int y = shown.top(); y <= shown.bottom(); ++y)
            for (int x = shown.left(); x <= shown.right(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
        EXPECT_EQ(darkest, qGray(kGreyText));
        const int underline = LowestInkRow(image, shown);
        ASSERT_GE(underline, 0);
        const auto run = ColorRun(image, underline, kGreyText);
        ASSERT_TRUE(run) << "row " << underline;
        EXPECT_EQ(run->first, layout.textX);
        EXPECT_EQ(run->second, layout.textX + text.firstAdvance);
    }
}

// "&Save" shows as "Save" with its S underlined in the caption colour, three pixels right of
// where a caption measured that wide would start.
TEST_F(RenderPicturesTest, AccessKeyIsUnderlinedAndShiftsTheCaption) {
    const TextSize marked = Measure(QStringLiteral("&Save"), QStringLiteral("S"));
    const TextSize plain = Measure(QStringLiteral("Save"));
    const auto textX = [](const TextSize& text, bool accessKey) {
        CaptionLayoutInput in;
        in.placement = StyleTraits(kNoLook).caption;
        in.width = 100;
        in.height = 30;
        in.textWidth = text.width;
        in.textHeight = text.height;
        in.hasAccessKey = accessKey;
        in.captionAlign = 1;
        return LayOutPictureAndCaption(in).textX;
    };
    const QImage withKey = Run({"--size", "100x30", "--set", "Caption=&Save"});
    const QImage without = Run({"--size", "100x30", "--set", "Caption=Save"});
    ASSERT_FALSE(withKey.isNull());
    ASSERT_FALSE(without.isNull());

    const int shift = static_cast<int>(textX(marked, true) - textX(plain, false));
    EXPECT_EQ(LeftmostInkColumn(withKey) - LeftmostInkColumn(without), shift);

    const int underline = LowestInkRow(withKey, withKey.rect());
    ASSERT_GE(underline, 0);
    EXPECT_LT(LowestInkRow(without, without.rect()), underline) << "the plain caption reaches the underline row";
    const auto run = ColorRun(withKey, underline, kButtonText);
    ASSERT_TRUE(run) << "row " << underline;
    EXPECT_EQ(run->first, textX(marked, true));
    EXPECT_EQ(run->second, textX(marked, true) + marked.firstAdvance);
    for (int x = 0; x < withKey.width(); ++x)
        if (x < run->first || x >= run->second) {
            EXPECT_EQ(withKey.pixel(x, underline), kFace) << x;
        }

    // Above the underline both show the same "Save", moved by the shift.
    for (int y = 0; y < underline; ++y)
        for (int x = std::max(0, shift); x < withKey.width() && x - shift < without.width(); ++x)
            ASSERT_EQ(withKey.pixel(x, y), without.pixel(x - shift, y)) << x << "," << y;
}

}  // namespace
}  // namespace tirnel
