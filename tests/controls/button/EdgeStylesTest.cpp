// The standard (0), thin edge (1), hover edge (11) and flat hover (12) looks, pixel by pixel
// on a 24 x 16 button with an empty caption: the bevels of each state, the checked looks, the
// standard style's default frame, and where the dotted focus rectangle goes and when.

#include "LookTestSupport.h"

#include <gtest/gtest.h>

#include <QImage>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tirnel::render {
namespace {

using namespace test;

constexpr int W = 24;
constexpr int H = 16;

// The back colour 0x3C5A78 and the same lightened by 0.02 (5.1, rounded to 5, per channel).
constexpr QRgb kFace = 0xFF785A3C;
constexpr QRgb kLighter = 0xFF7D5F41;
constexpr QRgb kButtonFace = 0xFFF0F0F0;  // system colour 15, what the surface is cleared to
constexpr QRgb kLight = 0xFFE3E3E3;       // 22
constexpr QRgb kHighlight = 0xFFFFFFFF;   // 20
constexpr QRgb kDarkShadow = 0xFF696969;  // 21
constexpr QRgb kShadow = 0xFFA0A0A0;      // 16
constexpr QRgb kWorkspace = 0xFFABABAB;   // 12
constexpr QRgb kGreyText = 0xFF6D6D6D;    // 17
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kPressedFrame = 0xFFACA899;  // 0x99A8AC

Look Flat(QRgb face) { return {{0, 0, W - 1, H - 1, face}}; }

// Light top and left over dark bottom and right, two lines each.
Look Raised(QRgb face) {
    return {{0, 0, W - 1, H - 1, face},
            {0, 0, 22, 0, kLight},       {0, 1, 0, 14, kLight},       {23, 0, 23, 15, kDarkShadow},
            {0, 15, 22, 15, kDarkShadow}, {1, 1, 21, 1, kHighlight},  {1, 2, 1, 13, kHighlight},
            {22, 1, 22, 14, kShadow},    {1, 14, 21, 14, kShadow}};
}

Look Sunken(QRgb face) {
    return {{0, 0, W - 1, H - 1, face},
            {0, 0, 22, 0, kShadow},         {0, 1, 0, 14, kShadow},          {23, 0, 23, 15, kHighlight},
            {0, 15, 22, 15, kHighlight},    {1, 1, 21, 1, kDarkShadow},      {1, 2, 1, 13, kDarkShadow},
            {22, 1, 22, 14, kLight},        {1, 14, 21, 14, kLight}};
}

Look ThinRaised(QRgb face) {
    return {{0, 0, W - 1, H - 1, face},
            {0, 0, 22, 0, kHighlight}, {0, 1, 0, 14, kHighlight}, {23, 0, 23, 15, kShadow}, {0, 15, 22, 15, kShadow}};
}

// Grey top and left, white bottom and right.
const Look kThinDown = {{0, 0, W - 1, H - 1, kFace},
                        {0, 0, 23, 0, kGreyText}, {0, 1, 0, 15, kGreyText},
                        {1, 15, 23, 15, kHighlight}, {23, 1, 23, 14, kHighlight}};

const Look kBlackRing = {{0, 0, 23, 0, kBlack}, {0, 15, 23, 15, kBlack}, {0, 1, 0, 14, kBlack}, {23, 1, 23, 14, kBlack}};

const Look kStandardDown = Look{{0, 0, W - 1, H - 1, kFace},
                                {1, 1, 22, 1, kPressedFrame}, {1, 14, 22, 14, kPressedFrame},
                                {1, 2, 1, 13, kPressedFrame}, {22, 2, 22, 13, kPressedFrame}} +
                           kBlackRing;

// The raised bevel one pixel in from the right and bottom, a line of the workspace colour
// there, and the black ring outside.
const Look kDefaultFrame = Look{{0, 0, W - 1, H - 1, kFace},
                                {1, 1, 20, 1, kHighlight},  {1, 2, 1, 12, kHighlight},
                                {21, 1, 21, 13, kShadow},   {1, 13, 20, 13, kShadow},
                                {22, 1, 22, 14, kWorkspace}, {1, 14, 21, 14, kWorkspace}} +
                           kBlackRing;

// The solid stand-in for the focus cue on a checked standard button: corners (4, 4), (20, 12).
const Look kCheckedFocusFrame = {{4, 4, 20, 4, kWorkspace}, {4, 12, 20, 12, kWorkspace},
                                 {4, 5, 4, 11, kWorkspace}, {20, 5, 20, 11, kWorkspace}};

// The button drawn by the steps, on an active form of its own.
QImage Draw(const char* style, const std::vector<const char*>& settings, const std::vector<const char*>& steps,
            const std::vector<const char*>& ambient) {
    const std::string button = std::string("ButtonStyle=") + style;
    return DrawButton(QSize(W, H),
                      With({button.c_str(), "Caption=", "BackColor=0x3C5A78", "ShowFocusRect=False"}, settings),
                      steps, ambient);
}

// Hover and press in the middle of the button.
const std::vector<const char*> kHover = {"move:12,8"};
const std::vector<const char*> kDown = {"move:12,8", "press:12,8"};
const std::vector<const char*> kChecked = {"let:CheckBoxMode=True", "let:Value=True"};

struct LookCase {
    const char* name;
    const char* style;
    std::vector<const char*> settings;
    std::vector<const char*> steps;
    Look look;
    std::vector<const char*> ambient = {};
};

const std::vector<LookCase>& LookCases() {
    static const std::vector<LookCase> cases = {
        // Unchecked, unfocused: each style in each state.
        {"StandardAtRest", "0", {}, {}, Raised(kFace)},
        {"StandardHovered", "0", {}, kHover, Raised(kFace)},
        {"StandardDown", "0", {}, kDown, kStandardDown},
        {"ThinEdgeAtRest", "1", {}, {}, ThinRaised(kFace)},
        {"ThinEdgeHovered", "1", {}, kHover, ThinRaised(kFace)},
        {"ThinEdgeDown", "1", {}, kDown, kThinDown},
        {"HoverEdgeAtRestIsFlat", "11", {}, {}, Flat(kFace)},
        {"HoverEdgeHovered", "11", {}, kHover, Raised(kFace)},
        {"HoverEdgeDown", "11", {}, kDown, Sunken(kFace)},
        {"FlatHoverAtRestIsFlat", "12", {}, {}, Flat(kFace)},
        {"FlatHoverHovered", "12", {}, kHover, ThinRaised(kFace)},
        {"FlatHoverDown", "12", {}, kDown, kThinDown},
        // Checked: lighter face, sunken but for the flat hover style, whatever the state.
        {"CheckedStandardAtRest", "0", {}, kChecked, Sunken(kLighter)},
        {"CheckedStandardDown", "0", {}, With(kChecked, kDown), Sunken(kLighter)},
        {"CheckedThinEdgeAtRest", "1", {}, kChecked, Sunken(kLighter)},
        {"CheckedHoverEdgeHovered", "11", {}, With(kChecked, kHover), Sunken(kLighter)},
        {"CheckedFlatHoverAtRest", "12", {}, kChecked, Flat(kLighter)},
        {"CheckedFlatHoverHovered", "12", {}, With(kChecked, kHover), Flat(kLighter)},
        {"CheckedFlatHoverFocusedAndDownHasNoCue", "12", {"ShowFocusRect=True"}, With(kChecked, kDown),
         Flat(kLighter)},
        // The checked standard button's focus cue is a solid frame, drawn only with ShowFocusRect.
        {"CheckedStandardFocusedFrame", "0", {"ShowFocusRect=True"}, With(kChecked, {"focus"}),
         Sunken(kLighter) + kCheckedFocusFrame},
        {"CheckedStandardFocusedWithoutShowFocusRect", "0", {}, With(kChecked, {"focus"}), Sunken(kLighter)},
        {"CheckedThinEdgeFocusedHasNoFrame", "1", {"ShowFocusRect=True"}, With(kChecked, {"focus"}),
         Sunken(kLighter)},
        // The standard style's default frame, without ShowFocusRect, at rest and hovered only.
        {"StandardFocusedDefaultFrame", "0", {}, {"focus"}, kDefaultFrame},
        {"StandardFocusedHoveredDefaultFrame", "0", {}, With({"focus"}, kHover), kDefaultFrame},
        {"StandardDisplayAsDefaultFrame", "0", {}, {}, kDefaultFrame, {"DisplayAsDefault=True"}},
        {"StandardFocusedDownHasNoDefaultFrame", "0", {}, With({"focus"}, kDown), kStandardDown},
        {"ThinEdgeFocusedHasNoFrame", "1", {}, {"focus"}, ThinRaised(kFace)},
        // In a form designer: the default frame but no dotted rectangle.
        {"DesignerStandardDefault", "0", {"ShowFocusRect=True"}, {}, kDefaultFrame,
         {"DisplayAsDefault=True", "UserMode=False"}},
        {"DesignerThinEdgeDefault", "1", {"ShowFocusRect=True"}, {}, ThinRaised(kFace),
         {"DisplayAsDefault=True", "UserMode=False"}},
        // Beyond the last style nothing but the cleared surface (and the empty caption).
        {"StyleSixteenPaintsOnlyTheClearedSurface", "16", {}, kHover, Flat(kButtonFace)},
    };
    return cases;
}

void PrintTo(const LookCase& c, std::ostream* os) { *os << c.name; }

class EdgeStylesLook : public ::testing::TestWithParam<LookCase> {};

TEST_P(EdgeStylesLook, HasItsPixels) {
    const LookCase& c = GetParam();
    EXPECT_EQ(Differences(Draw(c.style, c.settings, c.steps, c.ambient), c.look), "");
}

INSTANTIATE_TEST_SUITE_P(EdgeStyles, EdgeStylesLook, ::testing::ValuesIn(LookCases()), CaseName());

// The dotted rectangle: drawn with ShowFocusRect the button must look as it does without,
// but for every pixel with x + y even on the rectangle's frame, which is inverted.
struct FocusCase {
    const char* name;
    const char* style;
    std::vector<const char*> steps;
    std::optional<Edges> rectangle;
    std::vector<const char*> ambient = {};
};

const std::vector<FocusCase>& FocusCases() {
    static const std::vector<FocusCase> cases = {
        {"StandardFocusedAtRest", "0", {"focus"}, Edges{4, 4, 20, 12}},
        {"StandardFocusedHovered", "0", With({"focus"}, kHover), Edges{4, 4, 20, 12}},
        {"StandardFocusedDown", "0", kDown, Edges{4, 4, 20, 12}},
        {"ThinEdgeFocusedAtRest", "1", {"focus"}, Edges{3, 3, 21, 13}},
        {"ThinEdgeDefaultWithoutFocus", "1", {}, Edges{3, 3, 21, 13}, {"DisplayAsDefault=True"}},
        {"HoverEdgeFocusedHovered", "11", With({"focus"}, kHover), Edges{4, 4, 20, 12}},
        {"HoverEdgeFocusedDown", "11", kDown, Edges{4, 4, 20, 12}},
        {"FlatHoverFocusedAtRest", "12", {"focus"}, Edges{3, 3, 21, 13}},
        {"FlatHoverFocusedDown", "12", kDown, Edges{3, 3, 21, 13}},
        // No focus and not the default button; an inactive window; the designer.
        {"StandardUnfocused", "0", kHover, std::nullopt},
        {"StandardDefaultInInactiveWindow", "0", {"deactivate"}, std::nullopt, {"DisplayAsDefault=True"}},
        {"ThinEdgeDefaultInInactiveWindow", "1", {"deactivate"}, std::nullopt, {"DisplayAsDefault=True"}},
        {"HoverEdgeDefaultInDesigner", "11", {}, std::nullopt, {"DisplayAsDefault=True", "UserMode=False"}},
        {"FlatHoverDefaultInDesigner", "12", {}, std::nullopt, {"DisplayAsDefault=True", "UserMode=False"}},
    };
    return cases;
}

void PrintTo(const FocusCase& c, std::ostream* os) { *os << c.name; }

class EdgeStylesFocus : public ::testing::TestWithParam<FocusCase> {};

TEST_P(EdgeStylesFocus, DotsOnlyItsRectangle) {
    const FocusCase& c = GetParam();
    const QImage plain = Draw(c.style, {}, c.steps, c.ambient);
    const QImage focused = Draw(c.style, {"ShowFocusRect=True"}, c.steps, c.ambient);
    const QImage expected = c.rectangle ? Dotted(plain, *c.rectangle) : plain;
    ASSERT_EQ(focused.size(), expected.size());
    EXPECT_EQ(Differences(focused, expected), "");
}

INSTANTIATE_TEST_SUITE_P(EdgeStyles, EdgeStylesFocus, ::testing::ValuesIn(FocusCases()), CaseName());

}  // namespace
}  // namespace tirnel::render
