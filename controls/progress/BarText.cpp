#include "controls/progress/BarText.h"

#include "controls/progress/ColorShades.h"
#include "platform/Nearest.h"
#include "controls/progress/ProgressEnums.h"
#include "platform/Boolean.h"
#include "platform/Surface.h"

#include <array>
#include <limits>
#include <span>

namespace tirnel {

namespace {

enum class Column { Left, Center, Right };
enum class Row { Top, Middle, Bottom };
struct Anchor {
    Column column;
    Row row;
};

// TextAlignment 1..9.
constexpr std::array<Anchor, 9> kAnchors = {{
    {Column::Left, Row::Top},
    {Column::Left, Row::Middle},
    {Column::Left, Row::Bottom},
    {Column::Center, Row::Top},
    {Column::Center, Row::Middle},
    {Column::Center, Row::Bottom},
    {Column::Right, Row::Top},
    {Column::Right, Row::Middle},
    {Column::Right, Row::Bottom},
}};

enum class Ink { Effect, Grey, Text };
struct EffectPrint {
    int dx;
    int dy;
    Ink ink;
};

constexpr std::array<EffectPrint, 1> kNormalPrints = {{{0, 0, Ink::Text}}};
constexpr std::array<EffectPrint, 3> kRaisedPrints = {{{-1, -1, Ink::Effect}, {1, 1, Ink::Grey}, {0, 0, Ink::Text}}};
// The grey copy of the sunken look moves left only, not up.
constexpr std::array<EffectPrint, 3> kSunkenPrints = {{{1, 1, Ink::Effect}, {-1, 0, Ink::Grey}, {0, 0, Ink::Text}}};
constexpr std::array<EffectPrint, 5> kOutlinePrints = {
    {{1, 0, Ink::Effect}, {-1, 0, Ink::Effect}, {0, -1, Ink::Effect}, {0, 1, Ink::Effect}, {0, 0, Ink::Text}}};
constexpr std::array<EffectPrint, 2> kShadowPrints = {{{1, 1, Ink::Effect}, {0, 0, Ink::Text}}};

// TextEffect 1..5.
const std::array<std::span<const EffectPrint>, 5> kEffects = {kNormalPrints, kRaisedPrints, kSunkenPrints,
                                                             kOutlinePrints, kShadowPrints};

std::span<const EffectPrint> PrintsOf(std::int32_t effect) {
    if (effect < EffectNormal || effect > EffectShadow) return {};
    return kEffects[static_cast<std::size_t>(effect - EffectNormal)];
}

bool FitsInt32(std::int64_t value) {
    return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

SurfaceTextCanvas::SurfaceTextCanvas(Surface& surface, float scaleWidth, float scaleHeight)
    : mSurface(surface), mScaleWidth(scaleWidth), mScaleHeight(scaleHeight) {}

float SurfaceTextCanvas::TextWidth(const QString& text) { return static_cast<float>(mSurface.TextWidth(text)); }

float SurfaceTextCanvas::TextHeight(const QString& text) { return static_cast<float>(mSurface.TextHeight(text)); }

void SurfaceTextCanvas::ForeColor(Color color) { mSurface.SetForeColor(color); }

void SurfaceTextCanvas::CurrentXY(std::int32_t x, std::int32_t y) { mSurface.MoveToEx(x, y); }

void SurfaceTextCanvas::Print(const QString& text) { mSurface.Print(text); }

std::optional<QPoint> BarTextAnchor(BarTextCanvas& canvas, const QString& text, std::int32_t anchor) {
    if (anchor < AlignTopLeft || anchor > AlignBottomRight) return QPoint(0, 0);
    const Anchor& place = kAnchors[static_cast<std::size_t>(anchor - AlignTopLeft)];
    const float SW = canvas.ScaleWidth();
    const float SH = canvas.ScaleHeight();

    std::optional<std::int32_t> x = 1;
    if (place.column != Column::Left) {
        const float TW = canvas.TextWidth(text);
        x = NearestChecked(place.column == Column::Center ? SW / 2 - TW / 2 - 1 : SW - TW - 3);
    }
    std::optional<std::int32_t> y = 0;
    if (place.row != Row::Top) {
        const float TH = canvas.TextHeight(text);
        y = NearestChecked(place.row == Row::Middle ? SH / 2 - TH / 2 - 1 : SH - TH - 1);
    }
    if (!x || !y) return std::nullopt;
    return QPoint(*x, *y);
}

bool DrawBarText(BarTextCanvas& canvas, const QString& text, std::int32_t anchor, const BarTextLook& look) {
    const bool enabled = IsTrue(look.Enabled);
    const Color textColor = enabled ? look.TextForeColor : GreyOf(look.TextForeColor);
    const Color effectColor = enabled ? look.TextEffectColor : GreyOf(look.TextEffectColor);
    canvas.ForeColor(textColor);

    const std::optional<QPoint> at = BarTextAnchor(canvas, text, anchor);
    if (!at) return false;
    for (const EffectPrint& print : PrintsOf(look.TextEffect)) {
        const std::int64_t x = static_cast<std::int64_t>(at->x()) + print.dx;
        const std::int64_t y = static_cast<std::int64_t>(at->y()) + print.dy;
        if (!FitsInt32(x) || !FitsInt32(y)) {
            canvas.ForeColor(textColor);
            return false;
        }
        canvas.ForeColor(print.ink == Ink::Effect ? effectColor : (print.ink == Ink::Grey ? kBarTextGrey : textColor));
        canvas.CurrentXY(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
        canvas.Print(text);
    }
    return true;
}

}  // namespace tirnel
