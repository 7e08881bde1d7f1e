#pragma once
// What the look tests share: drawing a button through the script runner, the colour of a
// value as a pixel, looks written as lists of filled blocks, and reports of the pixels that
// differ from a look or from another picture.

#include "platform/Colors.h"
#include "tools/render/ButtonScript.h"
#include "tools/render/PropertyArguments.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tirnel::render::test {

// A colour value (0xBBGGRR) as the opaque pixel it paints.
constexpr QRgb Rgb(Color bgr) { return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// The back colour the shaded, pale blue and sky glass tests paint with, and tones of it worked
// out by hand: S(a) moves each channel (64, 128 and 192 for red, green and blue) by
// nearest(a × 255), within 0..255.
namespace ochre {
constexpr Color kBack = 0xC08040;
constexpr Color kUp25 = 0xFFC080;    // S(+0.25): +64
constexpr Color kUp05 = 0xCD8D4D;    // S(+0.05): +13
constexpr Color kUp03 = 0xC88848;    // S(+0.03): +8
constexpr Color kDown02 = 0xBB7B3B;  // S(-0.02): -5
constexpr Color kDown03 = 0xB87838;  // S(-0.03): -8
constexpr Color kDown05 = 0xB37333;  // S(-0.05): -13
constexpr Color kDown08 = 0xAC6C2C;  // S(-0.08): -20
constexpr Color kDown10 = 0xA66626;  // S(-0.1): -26
constexpr Color kDown20 = 0x8D4D0D;  // S(-0.2): -51
constexpr Color kDown23 = 0x854505;  // S(-0.23): -59
constexpr Color kDown25 = 0x804000;  // S(-0.25): -64
constexpr Color kDown28 = 0x793900;  // S(-0.28): -71
constexpr Color kDown33 = 0x6C2C00;  // S(-0.33): -84
constexpr Color kDown36 = 0x642400;  // S(-0.36): -92
constexpr Color kDown40 = 0x5A1A00;  // S(-0.4): -102
constexpr Color kDown50 = 0x400000;  // S(-0.5): -128
}  // namespace ochre

// Both lists, the first one's items first: settings, steps or pieces of a look.
template <class T>
std::vector<T> With(std::vector<T> a, const std::vector<T>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A filled block of pixels, corners included. A look is a list of blocks, later ones over
// earlier ones; pixels no block names are not looked at.
struct Block {
    int x1, y1, x2, y2;
    QRgb color;
};
using Look = std::vector<Block>;

inline Look operator+(Look a, const Look& b) { return With(std::move(a), b); }

// A button of the size with the settings ("Key=Value") in its bag and the ambient
// ("UserMode=False", "DisplayAsDefault=True", "BackColor=...") on its form.
inline ButtonSessionOptions LookOptions(QSize size, const std::vector<const char*>& settings,
                                        const std::vector<const char*>& ambient = {}) {
    ButtonSessionOptions options;
    options.size = size;
    for (const char* setting : settings) {
        QString problem;
        EXPECT_TRUE(AddSetting(options.bag, QString::fromUtf8(setting), &problem)) << setting << ": "
                                                                                  << problem.toStdString();
    }
    for (const char* setting : ambient) {
        QString problem;
        EXPECT_TRUE(AddButtonAmbient(options.ambient, QString::fromUtf8(setting), &problem)) << problem.toStdString();
    }
    return options;
}

inline QStringList Texts(const std::vector<const char*>& items) {
    QStringList texts;
    for (const char* item : items) texts << QString::fromUtf8(item);
    return texts;
}

// The button drawn by the steps, on an active form of its own, transparent outside its
// window shape.
inline QImage DrawButton(QSize size, const std::vector<const char*>& settings, const std::vector<const char*>& steps,
                         const std::vector<const char*>& ambient = {}) {
    ButtonSession session(LookOptions(size, settings, ambient));
    QString problem;
    EXPECT_TRUE(session.Run(Texts(steps), &problem)) << problem.toStdString();
    QImage image = session.Image();
    EXPECT_EQ(image.size(), size);
    return image;
}

// The steps of tirnel-render's --state with the pointer in the middle of `area`, then `more`.
// A very large button passes a small area at its top-left corner: its own middle lies beyond
// the screen, over no window.
inline QStringList StateScript(const char* state, QSize area, const std::vector<const char*>& more = {}) {
    return *StateSteps(QString::fromUtf8(state), area) + Texts(more);
}

inline std::string Hex(std::uint32_t value, int digits = 8) {
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toStdString();
}

// Lists the first few differing pixels, "(x,y) is actual, not expected; ", and how many in all.
class DifferenceReport {
public:
    void Add(int x, int y, const std::string& what) {
        if (++mCount <= kListed) mText += "(" + std::to_string(x) + "," + std::to_string(y) + ") " + what + "; ";
    }
    void Add(int x, int y, QRgb actual, QRgb expected) { Add(x, y, "is " + Hex(actual) + ", not " + Hex(expected)); }
    std::string Text() const {
        return mCount > kListed ? mText + std::to_string(mCount) + " pixels in all" : mText;
    }

private:
    static constexpr int kListed = 8;
    int mCount = 0;
    std::string mText;
};

// The pixels that differ from the look, or nothing. A block reaching outside the image counts
// each pixel it names there as a difference.
inline std::string Differences(const QImage& image, const Look& look) {
    const int width = image.width(), height = image.height();
    std::vector<std::optional<QRgb>> expected(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    DifferenceReport report;
    for (const Block& b : look)
        for (int y = b.y1; y <= b.y2; ++y)
            for (int x = b.x1; x <= b.x2; ++x) {
                if (x < 0 || y < 0 || x >= width || y >= height)
                    report.Add(x, y, "is outside the image");
                else
                    expected[static_cast<std::size_t>(y * width + x)] = b.color;
            }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::optional<QRgb>& e = expected[static_cast<std::size_t>(y * width + x)];
            if (e && image.pixel(x, y) != *e) report.Add(x, y, image.pixel(x, y), *e);
        }
    return report.Text();
}

// The pixels where two pictures differ, or nothing.
inline std::string Differences(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) return "the pictures differ in size";
    DifferenceReport report;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y)) report.Add(x, y, actual.pixel(x, y), expected.pixel(x, y));
    return report.Text();
}

// A rectangle as the drawing calls take it: right and bottom not included.
struct Edges {
    int l, t, r, b;
};

// The picture with a dotted rectangle drawn over it: every pixel with x + y even on the
// rectangle's frame inverted, those outside the picture left out.
inline QImage Dotted(QImage image, const Edges& edges) {
    const auto invert = [&](int x, int y) {
        if ((x + y) % 2 != 0 || !image.rect().contains(x, y)) return;
        const QRgb p = image.pixel(x, y);
        image.setPixel(x, y, qRgba(255 - qRed(p), 255 - qGreen(p), 255 - qBlue(p), qAlpha(p)));
    };
    for (int x = edges.l; x < edges.r; ++x) {
        invert(x, edges.t);
        if (edges.b - 1 != edges.t) invert(x, edges.b - 1);
    }
    for (int y = edges.t + 1; y < edges.b - 1; ++y) {
        invert(edges.l, y);
        invert(edges.r - 1, y);
    }
    return image;
}

// Pixels x1..x2, y1..y2 (both ends included) that must all hold one colour value; a
// coordinate below 0 counts back from the width or height, so -1 is the last column or row.
struct Pixels {
    int x1, y1, x2, y2;
    Color color;
};

inline int Along(int coordinate, int size) { return coordinate < 0 ? size + coordinate : coordinate; }

// The first pixel that breaks the list, or nothing.
inline std::string FirstWrongPixel(const QImage& image, const std::vector<Pixels>& pixels) {
    for (const Pixels& p : pixels) {
        const int x1 = Along(p.x1, image.width()), x2 = Along(p.x2, image.width());
        const int y1 = Along(p.y1, image.height()), y2 = Along(p.y2, image.height());
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (!image.rect().contains(x, y) || FromQRgb(image.pixel(x, y)) != p.color)
                    return "at (" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                           (image.rect().contains(x, y) ? Hex(FromQRgb(image.pixel(x, y)), 6) : "outside") +
                           ", not " + Hex(p.color, 6);
    }
    return "";
}

// Names each case of a parameterised test after the case's own name.
struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return std::string(info.param.name);
    }
};

}  // namespace tirnel::render::test
