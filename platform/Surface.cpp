#include "platform/Surface.h"

#include "platform/LineWalk.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

namespace tirnel {

namespace {

constexpr QRgb kChannels = 0x00FFFFFFu;

// The platform's colours for one border of an edge: top-left and bottom-right lines.
struct BorderColors {
    int topLeft = -1;  // system colour index, -1 = no border
    int bottomRight = -1;
};

// Indexed by the border's two bits (raised, sunken); both bits together draw nothing.
constexpr std::array<BorderColors, 4> kOuterBorders = {{
    {},
    {kColor3dLight, kColor3dDarkShadow},
    {kColorButtonShadow, kColorButtonHighlight},
    {},
}};
constexpr std::array<BorderColors, 4> kInnerBorders = {{
    {},
    {kColorButtonHighlight, kColorButtonShadow},
    {kColor3dDarkShadow, kColor3dLight},
    {},
}};

}  // namespace

Surface::Surface(int width, int height) {
    Resize(width, height);
}

void Surface::Resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height() && !Image().isNull()) return;
    mPixels = mPixels.Rebuilt(width, height, mPixels.Grid(), ToQRgb(mBackColor));
}

void Surface::SetDeviceRatio(double ratio) {
    const DeviceGrid grid(ratio);
    if (grid == mPixels.Grid()) return;
    mPixels = mPixels.Rebuilt(Width(), Height(), grid, ToQRgb(mBackColor));
}

Color Surface::SetPenColor(Color color) {
    return std::exchange(mPenColor, color);
}

Color Surface::SetTextColor(Color color) {
    return std::exchange(mTextColor, color);
}

Color Surface::SetForeColor(Color color) {
    mPenColor = color;
    return std::exchange(mTextColor, color);
}

Color Surface::SetBackColor(Color color) {
    return std::exchange(mBackColor, color);
}

BkMode Surface::SetBkMode(BkMode mode) {
    return std::exchange(mBkMode, mode);
}

QPoint Surface::MoveToEx(int x, int y) {
    return std::exchange(mPosition, QPoint(x, y));
}

void Surface::Clear() {
    if (!Image().isNull()) Image().fill(ToQRgb(mBackColor));
    mPosition = QPoint(0, 0);
}

Color Surface::SetPixel(int x, int y, Color color) {
    if (!Bounds().Contains(x, y)) return kInvalidColor;
    const QRgb pixel = ToQRgb(color);
    mPixels.Fill({x, y, x + 1, y + 1}, pixel);
    return FromQRgb(pixel);
}

Color Surface::GetPixel(int x, int y) const {
    if (!Bounds().Contains(x, y)) return kInvalidColor;
    return FromQRgb(mPixels.At(x, y));
}

void Surface::FillRect(const Rect& rect, Color color) { mPixels.Fill(rect, ToQRgb(color)); }

void Surface::FrameRect(const Rect& rect, Color color) {
    if (rect.IsEmpty()) return;
    const auto [l, t, r, b] = rect;
    for (const Rect& band : {Rect{l, t, l + 1, b}, Rect{r - 1, t, r, b}, Rect{l, t, r, t + 1}, Rect{l, b - 1, r, b}})
        FillRect(band, color);
}

void Surface::FillRgn(const Region& region, Color color) {
    for (const Region::Span& span : region.Spans()) FillRect({span.left, span.y, span.right, span.y + 1}, color);
}

void Surface::LineTo(int x, int y) {
    const QPoint start = std::exchange(mPosition, QPoint(x, y));
    const Color pen = mPenColor;
    WalkLine(start, mPosition, QSize(Width(), Height()), [&](int px, int py) { SetPixel(px, py, pen); });
}

void Surface::RoundRect(int left, int top, int right, int bottom, int w, int h) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (left == right || top == bottom) return;
    if (std::min(right - left, std::abs(w)) <= 2 || std::min(bottom - top, std::abs(h)) <= 2) {
        FrameRect({left, top, right, bottom}, mPenColor);
        return;
    }
    // The pen runs along the inside of the region of the same corners: every pixel of the
    // region with a neighbour (left, right, above, below) outside it.
    const Region inside = Region::CreateRoundRectRgn(left, top, right + 1, bottom + 1, w, h);
    for (const Region::Span& span : inside.Spans()) {
        for (int x = span.left; x < span.right; ++x) {
            const bool edge = x == span.left || x == span.right - 1 || !inside.Contains(x, span.y - 1) ||
                              !inside.Contains(x, span.y + 1);
            if (edge) SetPixel(x, span.y, mPenColor);
        }
    }
}

bool Surface::GradientFill(std::span<const TriVertex> vertices, std::span<const GradientRect> rects, unsigned mode) {
    if (mode != kGradientFillRectH && mode != kGradientFillRectV) return false;
    for (const GradientRect& gradient : rects)
        if (gradient.upperLeft >= vertices.size() || gradient.lowerRight >= vertices.size()) return false;

    const bool horizontal = mode == kGradientFillRectH;
    for (const GradientRect& gradient : rects) {
        TriVertex from = vertices[gradient.upperLeft];
        TriVertex to = vertices[gradient.lowerRight];
        // The colour runs along `along`; the vertex nearer the start of that axis is the start colour.
        auto along = [horizontal](const TriVertex& v) { return horizontal ? v.x : v.y; };
        auto across = [horizontal](const TriVertex& v) { return horizontal ? v.y : v.x; };
        if (along(from) > along(to)) std::swap(from, to);
        const std::int64_t length = static_cast<std::int64_t>(along(to)) - along(from);
        if (length == 0) continue;
        const int acrossLow = std::min(across(from), across(to));
        const int acrossHigh = std::max(across(from), across(to));
        const Rect area = horizontal ? Rect{along(from), acrossLow, along(to), acrossHigh}
                                     : Rect{acrossLow, along(from), acrossHigh, along(to)};
        const Rect clipped = area.Intersected(Bounds());
        if (clipped.IsEmpty()) continue;

        auto channel = [length](std::uint16_t c0, std::uint16_t c1, std::int64_t pos) {
            return static_cast<int>(((c0 * (length - pos) + c1 * pos) / length) / 256);
        };
        // Every line across the colour's way is one colour.
        const int first = horizontal ? clipped.left : clipped.top;
        const int end = horizontal ? clipped.right : clipped.bottom;
        for (int a = first; a < end; ++a) {
            const std::int64_t pos = a - along(from);
            const QRgb pixel = qRgb(channel(from.red, to.red, pos), channel(from.green, to.green, pos),
                                    channel(from.blue, to.blue, pos));
            mPixels.Fill(horizontal ? Rect{a, clipped.top, a + 1, clipped.bottom}
                                    : Rect{clipped.left, a, clipped.right, a + 1},
                         pixel);
        }
    }
    return true;
}

void Surface::DrawEdge(const Rect& rect, unsigned edge, unsigned flags) {
    if (rect.IsEmpty()) return;
    const BorderColors outer = kOuterBorders[edge & 0x3];
    const BorderColors inner = kInnerBorders[(edge >> 2) & 0x3];
    // A lone inner border takes the outer position.
    const std::array<BorderColors, 2> borders =
        outer.topLeft < 0 ? std::array<BorderColors, 2>{inner, BorderColors{}} : std::array{outer, inner};

    const auto [l, t, r, b] = rect;
    for (int p = 0; p < 2; ++p) {
        const BorderColors& colors = borders[static_cast<std::size_t>(p)];
        if (colors.topLeft < 0) continue;
        struct Line {
            unsigned side;
            Rect band;
            int color;
        };
        const std::array<Line, 4> lines = {{
            {kBfTop, {l + p, t + p, r - p, t + p + 1}, colors.topLeft},
            {kBfLeft, {l + p, t + p, l + p + 1, b - p}, colors.topLeft},
            {kBfBottom, {l + p, b - 1 - p, r - p, b - p}, colors.bottomRight},
            {kBfRight, {r - 1 - p, t + p, r - p, b - p}, colors.bottomRight},
        }};
        for (const Line& line : lines)
            if (flags & line.side) FillRect(line.band, GetSysColor(line.color));
    }
}

void Surface::InvertChecker(const Rect& rect) {
    const Rect area = rect.Intersected(Bounds());
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if ((x + y) % 2 == 0) mPixels.Apply(x, y, [](QRgb pixel) { return pixel ^ kChannels; });
}

void Surface::DrawFocusRect(const Rect& rect) {
    if (rect.IsEmpty()) return;
    // Each band is inverted on its own, as the platform does; in a rectangle one pixel high
    // (or wide) the two opposite bands fall on the same pixels and cancel out.
    const auto [l, t, r, b] = rect;
    for (const Rect& band : {Rect{l, t, r, t + 1}, Rect{l, b - 1, r, b}, Rect{l, t + 1, l + 1, b - 1},
                             Rect{r - 1, t + 1, r, b - 1}})
        InvertChecker(band);
}

}  // namespace tirnel
