// Every look in every situation at the smallest size a button takes (15 x 15) and at a very
// large one (2000 x 2000): the paint finishes, the surface keeps the button's size, and the
// pixels the look puts at its corners are the ones it puts there on a 40 x 21 button in the
// same situation (clear where the window shape leaves them out).

#include "LookTestSupport.h"

#include <gtest/gtest.h>

#include <QRegion>

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tirnel::render {
namespace {

using namespace test;

const QSize kMiddle(40, 21);
const std::array<QSize, 2> kExtremes = {QSize(15, 15), QSize(2000, 2000)};
// A pixel the window shape leaves out.
constexpr Color kClear = 0xFF000000;

// The back colour is all but black, so every tone that darkens it is black: the shades that
// run down to the bottom edge from such tones (the orange hover's lower half at rest) are flat,
// and what may differ with the size is where the pieces go, not how far a shade has come.
// The orange hover's shade at other heights has tests of its own.
constexpr const char* kBack = "BackColor=0x030303";

struct Situation {
    const char* name;
    const char* state;
    std::vector<const char*> settings;
    std::vector<const char*> ambient;
};

const std::vector<Situation> kSituations = {
    {"Rest", "normal", {}, {}},
    {"Hover", "hover", {}, {}},
    {"Down", "down", {}, {}},
    {"Focus", "focus", {"ShowFocusRect=True"}, {}},
    {"Checked", "normal", {"CheckBoxMode=True", "Value=True"}, {}},
    {"CheckedHover", "hover", {"CheckBoxMode=True", "Value=True"}, {}},
    {"CheckedDown", "down", {"CheckBoxMode=True", "Value=True"}, {}},
    {"Disabled", "normal", {"Enabled=False"}, {}},
    {"Default", "normal", {"ShowFocusRect=True"}, {"DisplayAsDefault=True"}},
    {"DefaultInDesigner", "normal", {"ShowFocusRect=True"}, {"DisplayAsDefault=True", "UserMode=False"}},
    {"FocusInDesigner", "focus", {"ShowFocusRect=True"}, {"UserMode=False"}},
};

// A look, and whether the pixels one in from its corners are its own at any size: they are
// not where a shade runs through them, which stretches with the size.
struct Style {
    int value;
    bool innerCorners;
};

const std::array<Style, 16> kStyles = {{
    {0, true}, {1, true}, {2, true}, {3, true}, {4, true}, {5, true}, {6, true}, {7, false},
    {8, true}, {9, false}, {10, true}, {11, true}, {12, true}, {13, false}, {14, true}, {15, false},
}};

struct Case {
    Style style;
    Situation situation;
};

std::vector<Case> Cases() {
    std::vector<Case> cases;
    for (const Style& style : kStyles)
        for (const Situation& situation : kSituations) cases.push_back({style, situation});
    return cases;
}

void PrintTo(const Case& c, std::ostream* os) { *os << "style " << c.style.value << ", " << c.situation.name; }

std::string Name(const ::testing::TestParamInfo<Case>& info) {
    return "Style" + std::to_string(info.param.style.value) + "_" + info.param.situation.name;
}

// The corners, the middle of the bottom row and, when the look owns them, the pixels one in
// from the corners.
std::vector<QPoint> Probes(QSize size, bool innerCorners) {
    const int w = size.width(), h = size.height();
    std::vector<QPoint> probes = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}, {w / 2, h - 1}};
    if (innerCorners) probes.insert(probes.end(), {{1, 1}, {w - 2, 1}, {1, h - 2}, {w - 2, h - 2}});
    return probes;
}

// The probes' colours on the button drawn at the size, the pointer in the middle of a small
// area at its top-left corner (the middle of a very large button lies beyond the screen).
std::vector<Color> DrawnProbes(const Case& c, QSize size) {
    const std::string style = "ButtonStyle=" + std::to_string(c.style.value);
    ButtonSession session(
        LookOptions(size, With({style.c_str(), "Caption=", kBack}, c.situation.settings), c.situation.ambient));
    EXPECT_TRUE(session.Run(StateScript(c.situation.state, QSize(10, 10))));
    const QImage& image = session.Button().DrawingSurface().Image();
    EXPECT_EQ(image.size(), size);
    const std::optional<QRegion>& shape = session.Button().WindowShape();
    std::vector<Color> colors;
    for (const QPoint& p : Probes(size, c.style.innerCorners)) {
        if (!image.rect().contains(p)) {
            colors.push_back(kInvalidColor);
        } else {
            colors.push_back(shape && !shape->contains(p) ? kClear : FromQRgb(image.pixel(p)));
        }
    }
    return colors;
}

class ExtremeSizes : public ::testing::TestWithParam<Case> {};

TEST_P(ExtremeSizes, KeepTheCornersOfAMiddleSize) {
    const Case& c = GetParam();
    const std::vector<Color> middle = DrawnProbes(c, kMiddle);
    for (const QSize size : kExtremes) {
        SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
        const std::vector<Color> drawn = DrawnProbes(c, size);
        const std::vector<QPoint> probes = Probes(size, c.style.innerCorners);
        ASSERT_EQ(drawn.size(), middle.size());
        for (std::size_t i = 0; i < drawn.size(); ++i)
            EXPECT_EQ(Hex(drawn[i]), Hex(middle[i])) << "at (" << probes[i].x() << ", " << probes[i].y() << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLook, ExtremeSizes, ::testing::ValuesIn(Cases()), Name);

}  // namespace
}  // namespace tirnel::render
