// The capsule look (style 14) read off the button's surface: the face, the strips along the
// four sides, the corner outlines with the container's colour showing outside them, the
// telling rows of the corners, the pixels the rest art leaves undrawn, and which art a
// checked, focused or default button shows. On buttons lower than 21 or narrower than 34 the
// strip lines run backwards and cover what a backwards line covers.

#include "LookTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tirnel::render {
namespace {

// The container's colour: no colour of the art.
constexpr Color kContainer = 0x123456;
// In a telling row: a pixel left undrawn.
constexpr Color kDash = 0xFFFFFFFF;

// The look's tables, a line for each piece and state: the face, the strips' lines from the
// left (columns 0 .. 17 and W-17 .. W-1) or from the top (rows 0 .. 11 and H-11 .. H-1), and
// the telling rows of the corners from column 0, "-" for an undrawn pixel.
const std::vector<std::pair<std::string_view, std::string_view>> kTables = {
    {"normal face", "EAE7E8"},
    {"normal left", "F7F7F7 A0A0A0 999999 C3C3C3 C9C9C9 D5D5D5 D7D7D7 DFDFDF E0E0E0 E0E0E0 E4E4E4 E6E8E6 E8E7E7 EAE7E8 EAE7E8 EAE7E8 EAE7E8 EAE7E8"},
    {"normal right", "EAE7E8 EAE7E8 EAE7E8 EAE7E8 E7E7E7 E6E6E6 E4E4E4 E0E0E0 E0E0E0 DEDEDE D9D9D9 D3D3D3 CCCCCC C3C3C3 A3A3A3 9C9C9C F6F6F6"},
    {"normal top", "67696A F5F4F6 F3F2F4 EEEEEE EBEBEB EBE8EA EBE8EA EAEAEA E1E1E1 E5E2E3 EAE7E8 E8EBE9"},
    {"normal bottom", "E8EBE9 EEF1EF F2F2F2 F5F5F5 FFFEFE FFFFFF FDFDFD FEFEFE FBFBFB 545454 C5C5C5"},
    {"normal row 0", "- - - - - - FEFEFE E6E6E6 ACACAC 7A7A7A 6C6C6C 6B6B6B 6F6F6F 716F6F 727070 676866 6C6D6B"},
    {"hover face", "E2A66A"},
    {"hover left", "F7F7F7 B0A09E 712E13 BD5F14 D17327 D47F31 D98C3D D9944B D7944F DC9C55 DC9B57 E3A362 E3A265 E2A367 E0A165 E3A66A E3A66A E2A66A"},
    {"hover right", "E2A66A E2A66A E1A464 E0A363 E0A363 E1A161 E09F5B DE9855 DC9752 DB934B D68D39 D17F2D D67426 C05D13 7C3514 AB9B98 F6F6F6"},
    {"hover top", "450608 F1D4C9 E5C8BD E8C0A1 E0B898 E3B48E E0B18B E9B47F CE9963 DDA064 E2A66A E6AC76"},
    {"hover bottom", "E6AC76 F1B681 F3BD8A FCC592 F8CE97 FED59E F7DDA3 FFE6AD E9E2C5 635D40 C5C5C5"},
    {"hover row 0", "- - - - - - FEFEFE E6E5E5 A9A5A5 6C5E5E 482729 370D0C 370706 360605 3A0606 410807 450707"},
    {"down face", "CC9B6A"},
    {"down left", "F7F7F7 A99D9B 632D17 A65A1D B96C2E BC7738 C18242 C2894E C18A52 C59157 C59159 CC9863 CC9665 CB9767 C99565 CC9A6A CC9A6A CC9B6A"},
    {"down right", "CC9B6A CC9B6A CA9864 C99763 C99763 CA9562 C9945D C68E57 C48C55 C3884E BE823E B97634 BD6D2D A8581C 6D3319 A49794 F6F6F6"},
    {"down top", "3C090A DEC7BE D3BCB2 D4B39A CCAC92 CFA88A CCA587 D2A77D B98E62 C69464 CC9B6A D0A175"},
    {"down bottom", "D0A175 DAAA7F DCB087 E4B88E E1BF93 E7C699 E2CC9D E9D5A6 D7D2BA 5A563E C5C5C5"},
    {"down row 0", "- - - - - - FEFEFE E5E4E4 A5A2A2 675C5C 422729 300E0D 300A09 2F0908 330909 390A0A 3C0A0A"},
    {"normal row 3", "- - - EEEEEE 717171 6C6C6C 909090 D2D2D2 E3E3E3 ECECEC EDEDED EEEEEE EDEDED EEEEEE EDEDED EEEEEE EDEDED"},
    {"normal row H-2", "- - - FEFEFE F9F9F9 ECECEC DADADA C1C1C1 9D9D9D 7B7B7B 5E5E5E 535353 4D4D4D 4B4B4B 505050 525252 555555"},
};

std::vector<Color> Table(const std::string& name) {
    for (const auto& [key, colors] : kTables) {
        if (key != name) continue;
        std::vector<Color> out;
        for (const QString& word : QString::fromLatin1(colors.data(), colors.size()).split(u' '))
            out.push_back(word == u"-" ? kDash : word.toUInt(nullptr, 16));
        return out;
    }
    ADD_FAILURE() << "no table " << name;
    return {};
}

struct Art {
    Color face;
    std::vector<Color> left, right, top, bottom, row0;
};

Art ArtOf(const std::string& state) {
    return {Table(state + " face").at(0), Table(state + " left"),   Table(state + " right"),
            Table(state + " top"),        Table(state + " bottom"), Table(state + " row 0")};
}
const std::array<Art, 3> kArt = {ArtOf("normal"), ArtOf("hover"), ArtOf("down")};

// How many pixels of each corner row, from the outer side, are left undrawn in every state:
// the top corners' rows 0 .. 10, the bottom corners' rows H-10 .. H-1.
constexpr std::array<int, 11> kTopLeftOutside = {6, 5, 3, 3, 2, 1, 1, 1, 0, 0, 0};
constexpr std::array<int, 11> kTopRightOutside = {7, 5, 4, 3, 2, 1, 1, 1, 0, 0, 0};
constexpr std::array<int, 10> kBottomLeftOutside = {0, 0, 0, 0, 1, 1, 2, 2, 3, 5};
constexpr std::array<int, 10> kBottomRightOutside = {0, 0, 0, 1, 1, 1, 2, 3, 4, 5};

// Expected pixels: a rectangle of one colour (corners included), or with `differs` any
// colour but that one. Later blocks stand over earlier ones.
struct Block {
    int x1, y1, x2, y2;
    Color color;
    bool differs = false;
};
using Look = std::vector<Block>;

// Lines one pixel apart, the first at `at`, each from `from` to `to` inclusive.
void AddColumns(Look& look, int at, int from, int to, std::span<const Color> colors) {
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const int x = at + static_cast<int>(i);
        look.push_back({x, from, x, to, colors[i]});
    }
}
void AddRows(Look& look, int at, int from, int to, std::span<const Color> colors) {
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const int y = at + static_cast<int>(i);
        look.push_back({from, y, to, y, colors[i]});
    }
}

void AddTellingRow(Look& look, int y, const std::vector<Color>& row) {
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int x = static_cast<int>(i);
        look.push_back({x, y, x, y, row[i] == kDash ? kContainer : row[i]});
    }
}

// The undrawn ends of the corner rows, counted from the left or from the right edge.
template <std::size_t N>
void AddOutside(Look& look, int W, int top, const std::array<int, N>& outside, bool right) {
    for (std::size_t i = 0; i < N; ++i) {
        const int y = top + static_cast<int>(i);
        if (outside[i] > 0)
            look.push_back(right ? Block{W - outside[i], y, W - 1, y, kContainer}
                                 : Block{0, y, outside[i] - 1, y, kContainer});
        const int firstDrawn = right ? W - 1 - outside[i] : outside[i];
        look.push_back({firstDrawn, y, firstDrawn, y, kContainer, true});
    }
}

// One state's art on a button of at least 35 x 23, where no piece covers another but the
// face and, at (17, 11) and (17, H-11), the rows over the columns.
Look ArtLook(int state, int W, int H) {
    const Art& art = kArt[state];
    Look look;
    if (W >= 37 && H >= 25) look.push_back({18, 12, W - 19, H - 12, art.face});
    AddColumns(look, 0, 11, H - 11, art.left);
    AddColumns(look, W - 17, 11, H - 11, art.right);
    AddRows(look, 0, 17, W - 18, art.top);
    AddRows(look, H - 11, 17, W - 18, art.bottom);
    AddOutside(look, W, 0, kTopLeftOutside, false);
    AddOutside(look, W, 0, kTopRightOutside, true);
    AddOutside(look, W, H - 10, kBottomLeftOutside, false);
    AddOutside(look, W, H - 10, kBottomRightOutside, true);
    AddTellingRow(look, 0, art.row0);
    if (state != 0) {
        // Drawn in the hover and down art.
        look.push_back({W - 13, H - 4, W - 13, H - 4, kContainer, true});
        return look;
    }
    AddTellingRow(look, 3, Table("normal row 3"));
    AddTellingRow(look, H - 2, Table("normal row H-2"));
    // Undrawn at rest: the face shows inside its rectangle, the container below it.
    for (int x : {11, 13, 15, W - 17, W - 15, W - 14, W - 13, W - 10}) look.push_back({x, H - 6, x, H - 6, art.face});
    for (int x : {9, W - 12, W - 10}) look.push_back({x, H - 5, x, H - 5, art.face});
    look.push_back({W - 13, H - 4, W - 13, H - 4, kContainer});
    return look;
}

struct Drawn {
    int width = 0, height = 0;
    std::vector<Color> pixels;
    Color At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// The button of the given size after the steps, its surface read pixel by pixel.
Drawn DrawCapsuleButton(QSize size, const std::vector<const char*>& settings, const QStringList& steps,
                        const std::vector<const char*>& ambient) {
    ButtonSessionOptions options =
        test::LookOptions(size, test::With({"ButtonStyle=14", "Caption=", "ShowFocusRect=True"}, settings), ambient);
    EXPECT_TRUE(AddButtonAmbient(options.ambient, QStringLiteral("BackColor=0x%1").arg(kContainer, 0, 16)));
    ButtonSession session(options);
    QString problem;
    EXPECT_TRUE(session.Run(steps, &problem)) << problem.toStdString();
    const Surface& surface = session.Button().DrawingSurface();
    Drawn drawn{surface.Width(), surface.Height(), {}};
    for (int y = 0; y < drawn.height; ++y)
        for (int x = 0; x < drawn.width; ++x) drawn.pixels.push_back(surface.GetPixel(x, y));
    return drawn;
}

// The first few pixels that break the look, or nothing.
std::string Mismatches(const Drawn& drawn, const Look& look) {
    std::vector<const Block*> expected(drawn.pixels.size(), nullptr);
    for (const Block& b : look)
        for (int y = b.y1; y <= b.y2; ++y)
            for (int x = b.x1; x <= b.x2; ++x)
                if (x >= 0 && y >= 0 && x < drawn.width && y < drawn.height)
                    expected[static_cast<std::size_t>(y * drawn.width + x)] = &b;
    test::DifferenceReport report;
    for (int y = 0; y < drawn.height; ++y)
        for (int x = 0; x < drawn.width; ++x) {
            const Block* b = expected[static_cast<std::size_t>(y * drawn.width + x)];
            if (!b || (drawn.At(x, y) == b->color) != b->differs) continue;
            report.Add(x, y, "is " + test::Hex(drawn.At(x, y), 6) + (b->differs ? ", must not be " : ", not ") +
                                 test::Hex(b->color, 6));
        }
    return report.Text();
}

// Which art each situation shows.
struct StateCase {
    const char* name;
    const char* state;  // steps of tirnel-render's --state
    int art;            // 0 rest, 1 hover, 2 down
    std::vector<const char*> settings = {};
    std::vector<const char*> ambient = {};
    std::vector<const char*> more = {};
};
void PrintTo(const StateCase& c, std::ostream* os) { *os << c.name; }

const std::vector<StateCase>& StateCases() {
    static const std::vector<StateCase> cases = {
        {"AtRest", "normal", 0},
        {"Hovered", "hover", 1},
        {"Pressed", "down", 2},
        {"FocusedLooksHovered", "focus", 1},
        {"DefaultLooksHovered", "normal", 1, {}, {"DisplayAsDefault=True"}},
        {"FocusedAndPressed", "focus", 2, {}, {}, {"move:20,10", "press:20,10"}},
        {"DefaultInAnInactiveWindowRests", "normal", 0, {}, {"DisplayAsDefault=True"}, {"deactivate"}},
        {"FocusLostWithTheWindowRests", "focus", 0, {}, {}, {"deactivate"}},
        {"CheckedAtRestLooksDown", "normal", 2, {"CheckBoxMode=True", "Value=True"}},
        {"CheckedHoveredLooksDown", "hover", 2, {"CheckBoxMode=True", "Value=True"}},
        {"CheckedFocusedLooksDown", "focus", 2, {"CheckBoxMode=True", "Value=True"}},
        {"UncheckedCheckButtonRests", "normal", 0, {"CheckBoxMode=True"}},
        {"DisabledRests", "normal", 0, {"Enabled=False"}},
    };
    return cases;
}

// At the smallest size that shows every piece apart, and at an odd and an even height.
constexpr std::array<QSize, 3> kSizes = {QSize(35, 23), QSize(60, 31), QSize(61, 30)};

class CapsuleArt : public ::testing::TestWithParam<StateCase> {};

TEST_P(CapsuleArt, ShowsItsStatesArt) {
    const StateCase& c = GetParam();
    for (const QSize& size : kSizes) {
        SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
        const Drawn drawn = DrawCapsuleButton(size, c.settings, test::StateScript(c.state, size, c.more), c.ambient);
        EXPECT_EQ(Mismatches(drawn, ArtLook(c.art, size.width(), size.height())), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Capsule, CapsuleArt, ::testing::ValuesIn(StateCases()), test::CaseName());

// A focused capsule draws no dotted rectangle: it is pixel for pixel the hovered one.
TEST(Capsule, FocusedIsTheHoveredArtWithoutADottedRectangle) {
    const QSize size(60, 31);
    const Drawn focused = DrawCapsuleButton(size, {}, test::StateScript("focus", size), {});
    const Drawn hovered = DrawCapsuleButton(size, {}, test::StateScript("hover", size), {});
    EXPECT_EQ(focused.pixels, hovered.pixels);
}

// Small buttons: the column lines run from row 11 back to H-10 and cover rows H-9 .. 11; the
// row lines run from column 17 back to W-17 and cover columns W-16 .. 17. Rows are drawn after
// columns, the bottom rows last.
enum class Piece { Left, Right, Top, Bottom };
// The first `count` lines of a strip, the first at `at`, each covering `from` .. `to`.
struct Run {
    Piece piece;
    std::size_t count;
    int at, from, to;
};
struct SmallCase {
    const char* name;
    QSize size;
    std::vector<Run> runs;
};
void PrintTo(const SmallCase& c, std::ostream* os) { *os << c.name; }

Look RunsLook(const Art& art, const std::vector<Run>& runs) {
    Look look;
    for (const Run& r : runs) {
        const std::array<const std::vector<Color>*, 4> strips = {&art.left, &art.right, &art.top, &art.bottom};
        const std::span<const Color> lines = std::span(*strips[static_cast<std::size_t>(r.piece)]).first(r.count);
        if (r.piece == Piece::Left || r.piece == Piece::Right)
            AddColumns(look, r.at, r.from, r.to, lines);
        else
            AddRows(look, r.at, r.from, r.to, lines);
    }
    return look;
}

const std::vector<SmallCase>& SmallCases() {
    using enum Piece;
    static const std::vector<SmallCase> cases = {
        // Every row line covers the whole width: the top rows 0 .. 3 stay above the bottom
        // rows 4 .. 14, and nothing else shows.
        {"Minimum15x15", {15, 15}, {{Top, 4, 0, 0, 14}, {Bottom, 11, 4, 0, 14}}},
        // Columns cover rows 6 .. 11; rows run over columns 17 .. 22.
        {"Low40x15", {40, 15}, {{Left, 17, 0, 6, 11}, {Right, 17, 23, 6, 11}, {Top, 12, 0, 17, 22}, {Bottom, 11, 4, 17, 22}}},
        // One row below 21: the columns cover row 11 alone.
        {"Low40x20", {40, 20}, {{Left, 17, 0, 11, 11}, {Right, 17, 23, 11, 11}, {Top, 12, 0, 17, 22}, {Bottom, 11, 9, 17, 22}}},
        // The right strip (columns 13 .. 29) over the left; rows over columns 14 .. 17.
        {"Narrow30x30", {30, 30}, {{Left, 13, 0, 11, 19}, {Right, 17, 13, 11, 19}, {Top, 12, 0, 14, 17}, {Bottom, 11, 19, 14, 17}}},
    };
    return cases;
}

class CapsuleSmall : public ::testing::TestWithParam<SmallCase> {};

TEST_P(CapsuleSmall, StripLinesRunBackwards) {
    const SmallCase& c = GetParam();
    constexpr std::array<const char*, 3> kStates = {"normal", "hover", "down"};
    for (std::size_t art = 0; art < kStates.size(); ++art) {
        SCOPED_TRACE(kStates[art]);
        const Drawn drawn = DrawCapsuleButton(c.size, {}, test::StateScript(kStates[art], c.size), {});
        EXPECT_EQ(Mismatches(drawn, RunsLook(kArt[art], c.runs)), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Capsule, CapsuleSmall, ::testing::ValuesIn(SmallCases()), test::CaseName());

}  // namespace
}  // namespace tirnel::render
