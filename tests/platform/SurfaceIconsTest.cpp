// Icons drawn the normal way (mask AND, colour XOR, stretched by nearest neighbour, alpha
// blended when the icon has no mask), and the 24-bit bitmaps a picture gives of its colour
// image and its mask.

#include "platform/PictureObject.h"
#include "platform/Surface.h"
#include "tests/platform/PixelRows.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tirnel {
namespace {

using test::kWhite;
using test::PixelRows;
using Rows = std::vector<std::string>;

constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kBlue = RGB(0, 0, 255);
constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kWhiteXorRed = RGB(0, 255, 255);

const std::map<char, Color> kColors = {{'r', kRed}, {'b', kBlue}, {'k', kBlack}, {'w', kWhite}};
const test::Legend kLegend = {{kWhite, '.'}, {kRed, 'r'}, {kBlue, 'b'}, {kBlack, 'k'}, {kWhiteXorRed, 'c'}};

// An opaque RGB32 image from rows of colour letters.
QImage ImageOf(const Rows& rows) {
    QImage image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, ToQRgb(kColors.at(rows[y][x])));
    return image;
}

// A mask from rows of '1' (set: transparent) and '0'.
QImage MaskOf(const Rows& rows) {
    QImage mask(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) mask.setPixel(x, y, rows[y][x] == '1' ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return mask;
}

QImage OneRowWithAlpha(const std::vector<QRgb>& pixels) {
    QImage image(static_cast<int>(pixels.size()), 1, QImage::Format_ARGB32);
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, 0, pixels[static_cast<std::size_t>(x)]);
    return image;
}

TEST(SurfaceIconsTest, DrawIconExMasksStretchesAndClips) {
    const PictureRef masked = PictureObject::Icon(ImageOf({"rk", "br"}), MaskOf({"01", "01"}));
    const PictureRef threeMasked = PictureObject::Icon(ImageOf({"rkb"}), MaskOf({"010"}));
    const PictureRef fiveWide = PictureObject::Icon(ImageOf({"rbkbr"}));
    const PictureRef square = PictureObject::Icon(ImageOf({"rbk", "bkr", "krb"}));
    const PictureRef row = PictureObject::Icon(ImageOf({"rbk"}));
    // A bitmap, and an icon with a mask, ignore the image's alpha: drawn as the colours stand.
    const PictureRef seeThroughBitmap = PictureObject::Bitmap(OneRowWithAlpha({qRgba(255, 0, 0, 0)}));
    const PictureRef maskedWithAlpha = PictureObject::Icon(OneRowWithAlpha({qRgba(0, 0, 255, 0)}), MaskOf({"0"}));
    const PictureRef none = PictureObject::Create(PictureObject::kIcon, QImage());

    struct Case {
        const char* what;
        PictureRef icon;
        int surfaceWidth, surfaceHeight, x, y, width, height;
        bool drawn;
        Rows expected;
    };
    const Case cases[] = {
        // Set mask over black leaves the background; set mask over red XORs it into the background.
        {"own size", masked, 4, 4, 1, 1, 2, 2, true, {"....", ".r..", ".bc.", "...."}},
        {"enlarged, mask alike", threeMasked, 5, 2, 0, 0, 5, 2, true, {"rr.bb", "rr.bb"}},
        {"doubled", masked, 4, 4, 0, 0, 4, 4, true, {"rr..", "rr..", "bbcc", "bbcc"}},
        {"shrunk 5 to 3", fiveWide, 3, 1, 0, 0, 3, 1, true, {"rkb"}},
        {"shrunk 2 to 1", masked, 2, 2, 0, 0, 1, 1, true, {"r.", ".."}},
        {"clipped top-left", square, 3, 3, -1, -1, 3, 3, true, {"kr.", "rb.", "..."}},
        {"clipped bottom-right", square, 3, 3, 2, 1, 3, 3, true, {"...", "..r", "..b"}},
        {"wholly outside", square, 3, 3, 3, 0, 3, 3, true, {"...", "...", "..."}},
        {"stretched beyond int range", row, 3, 1, -(INT_MAX - 2), 0, INT_MAX, 1, true, {"kk."}},
        {"far right", row, 3, 1, INT_MAX - 1, 0, INT_MAX, 1, true, {"..."}},
        {"bitmap opaque", seeThroughBitmap, 2, 1, 0, 0, 1, 1, true, {"r."}},
        {"masked icon opaque", maskedWithAlpha, 2, 1, 1, 0, 1, 1, true, {".b"}},
        {"zero width", masked, 2, 2, 0, 0, 0, 2, false, {"..", ".."}},
        {"zero height", masked, 2, 2, 0, 0, 2, 0, false, {"..", ".."}},
        {"negative size", masked, 2, 2, 0, 0, -2, -2, false, {"..", ".."}},
        {"no picture", none, 2, 2, 0, 0, 2, 2, false, {"..", ".."}},
    };
    for (const Case& c : cases) {
        Surface surface = test::BlankSurface(c.surfaceWidth, c.surfaceHeight);
        EXPECT_EQ(surface.DrawIconEx(c.x, c.y, *c.icon, c.width, c.height), c.drawn) << c.what;
        EXPECT_EQ(PixelRows(surface, kLegend), c.expected) << c.what;
    }
}

TEST(SurfaceIconsTest, DrawIconExBlendsAnIconWithoutMaskByItsAlpha) {
    struct Case {
        int alpha, source, dest, expected;
    };
    const Case cases[] = {
        {255, 10, 200, 10}, {0, 10, 200, 200}, {128, 255, 0, 128},
        {100, 0, 100, 61},   // 60.78: to the nearest, not truncated
        {3, 0, 200, 198},    // 197.65
        {200, 50, 250, 93},  // 93.14
    };
    for (const Case& c : cases) {
        const PictureRef icon = PictureObject::Icon(OneRowWithAlpha({qRgba(c.source, c.source, c.source, c.alpha)}));
        Surface surface(1, 1);
        surface.SetPixel(0, 0, RGB(c.dest, c.dest, c.dest));
        EXPECT_TRUE(surface.DrawIconEx(0, 0, *icon, 1, 1));
        EXPECT_EQ(surface.GetPixel(0, 0), RGB(c.expected, c.expected, c.expected)) << c.alpha << " " << c.source;
    }
    // Stretched, each destination pixel blends the source pixel the stretch picks.
    const PictureRef halves = PictureObject::Icon(OneRowWithAlpha({qRgba(0, 0, 0, 255), qRgba(0, 0, 0, 0)}));
    Surface surface = test::BlankSurface(4, 1);
    surface.DrawIconEx(0, 0, *halves, 4, 1);
    EXPECT_EQ(PixelRows(surface, kLegend), Rows{"kk.."});
}

// Stored rows of a 24-bit bottom-up bitmap: image row y is stored at row height - 1 - y, each
// row width x 3 bytes of blue, green, red and then zeros up to a multiple of 4.
void ExpectBits24(const std::vector<std::uint8_t>& bits, int width, int height, int padding,
                  const std::function<Color(int, int)>& colorAt, const char* what) {
    const int stride = width * 3 + padding;
    ASSERT_EQ(bits.size(), static_cast<std::size_t>(stride * height)) << what << " width " << width;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = bits.data() + (height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const Color c = colorAt(x, y);
            EXPECT_EQ(row[3 * x], GetBlue(c)) << what << " " << width << ": " << x << "," << y;
            EXPECT_EQ(row[3 * x + 1], GetGreen(c)) << what << " " << width << ": " << x << "," << y;
            EXPECT_EQ(row[3 * x + 2], GetRed(c)) << what << " " << width << ": " << x << "," << y;
        }
        for (int p = 0; p < padding; ++p) EXPECT_EQ(row[3 * width + p], 0) << what << " padding, width " << width;
    }
}

TEST(SurfaceIconsTest, PicturesGiveTheirColorsAndMaskAsTwentyFourBitRows) {
    struct Case {
        int width, padding;
    };
    // Rows of 3, 6, 9 and 12 bytes.
    const Case cases[] = {{1, 1}, {2, 2}, {3, 3}, {4, 0}};
    constexpr int kHeight = 2;
    for (const Case& c : cases) {
        auto colorAt = [](int x, int y) { return RGB(10 + x, 100 + y, 200 + x + y); };
        // Transparent where x + y is odd; the padding must stay 0 next to white mask pixels.
        auto transparentAt = [](int x, int y) { return (x + y) % 2 == 1; };
        QImage image(c.width, kHeight, QImage::Format_RGB32);
        QImage mask(c.width, kHeight, QImage::Format_Mono);
        mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < c.width; ++x) {
                image.setPixel(x, y, ToQRgb(colorAt(x, y)));
                mask.setPixel(x, y, transparentAt(x, y) ? 1 : 0);
            }
        const PictureRef icon = PictureObject::Icon(image, mask);
        const PictureRef bitmap = PictureObject::Bitmap(image);

        for (const PictureRef& picture : {icon, bitmap}) {
            const BitmapInfoHeader header = picture->Header24();
            EXPECT_EQ(header.size, 40u);
            EXPECT_EQ(header.width, c.width);
            EXPECT_EQ(header.height, kHeight);
            EXPECT_EQ(header.planes, 1);
            EXPECT_EQ(header.bitCount, 24);
            EXPECT_EQ(header.compression, kBiRgb);
            EXPECT_EQ(header.sizeImage, static_cast<std::uint32_t>((c.width * 3 + c.padding) * kHeight));
            ExpectBits24(picture->ColorBits24(), c.width, kHeight, c.padding, colorAt, "colour");
        }
        ExpectBits24(icon->MaskBits24(), c.width, kHeight, c.padding,
                     [&](int x, int y) { return transparentAt(x, y) ? kWhite : kBlack; }, "mask");
        EXPECT_TRUE(bitmap->MaskBits24().empty()) << "a bitmap has no mask";
    }
}

TEST(SurfaceIconsTest, AnIconWithoutMaskTakesItsMaskFromAlphaBelowHalf) {
    // Alpha 127 and below is transparent, 128 and above drawn; the same pixels are transparent
    // for the mask bits, for MaskSet and (fully or mostly) for the blend.
    const std::vector<int> alphas = {0, 1, 127, 128, 200, 255};
    std::vector<QRgb> pixels;
    for (const int alpha : alphas) pixels.push_back(qRgba(0, 0, 0, alpha));
    const PictureRef icon = PictureObject::Icon(OneRowWithAlpha(pixels));
    const std::vector<std::uint8_t> mask = icon->MaskBits24();
    ASSERT_EQ(mask.size(), 20u);  // 6 x 3 bytes padded to 20
    for (std::size_t x = 0; x < alphas.size(); ++x) {
        const bool transparent = alphas[x] < 128;
        EXPECT_EQ(icon->MaskSet(static_cast<int>(x), 0), transparent) << alphas[x];
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_EQ(mask[3 * x + static_cast<std::size_t>(channel)], transparent ? 0xFF : 0x00) << alphas[x];
    }
    // An icon image without alpha and without mask is drawn everywhere.
    const PictureRef opaque = PictureObject::Icon(ImageOf({"rk"}));
    EXPECT_EQ(opaque->MaskBits24(), std::vector<std::uint8_t>(8, 0));
    EXPECT_TRUE(PictureObject().MaskBits24().empty() && PictureObject().ColorBits24().empty());
}

}  // namespace
}  // namespace tirnel
