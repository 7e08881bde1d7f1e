// Painting of the progress bar: window shape, palette, track and bar, outline, text.

#include "controls/progress/BarCaption.h"
#include "controls/progress/BarText.h"
#include "controls/progress/ColorShades.h"
#include "platform/Nearest.h"
#include "controls/progress/uo.h"
#include "platform/Boolean.h"

#include <QLocale>

#include <array>

namespace tirnel {

namespace {

// One gradient band: where, which way, and which palette colours.
struct Band {
    Rect rect;
    Color ThemePalette::*from;
    Color ThemePalette::*to;
};

// The track's two halves and the bar's two halves, in drawing order, with the gradient
// direction; nothing for an unknown orientation. F is the bar's length.
struct BarLayout {
    std::int32_t direction;
    std::array<Band, 4> bands;
};

std::optional<BarLayout> LayoutFor(std::int32_t orientation, float SW, float SH, std::int32_t F) {
    const std::int32_t W = Nearest(SW);
    const std::int32_t H = Nearest(SH);
    using P = ThemePalette;
    switch (orientation) {
        case OrientHorizontal: {
            // Top half over bottom half; the colour runs from top to bottom, the bar grows rightwards.
            const std::int32_t H2 = Nearest(SH / 2);
            return BarLayout{kGradientFillRectV,
                             {{{{0, 0, W, H2}, &P::TrackTopFrom, &P::TrackTopTo},
                               {{0, H2, W, H}, &P::TrackBottomFrom, &P::TrackBottomTo},
                               {{0, 0, F, H2}, &P::BarTopFrom, &P::BarTopTo},
                               {{0, H2, F, H}, &P::BarBottomFrom, &P::BarBottomTo}}}};
        }
        case OrientVertical: {
            // Left half beside right half; the colour runs from left to right, the bar grows
            // downwards from the top edge.
            const std::int32_t W2 = Nearest(SW / 2);
            return BarLayout{kGradientFillRectH,
                             {{{{0, 0, W2, H}, &P::TrackTopFrom, &P::TrackTopTo},
                               {{W2, 0, W, H}, &P::TrackBottomFrom, &P::TrackBottomTo},
                               {{0, 0, W2, F}, &P::BarTopFrom, &P::BarTopTo},
                               {{W2, 0, W, F}, &P::BarBottomFrom, &P::BarBottomTo}}}};
        }
        default: return std::nullopt;
    }
}

constexpr std::size_t kTrackBands = 2;

}  // namespace

void uo::UserControl_Resize() { PaintBar(); }

void uo::PaintBar() {
    const float SW = ScaleWidth();
    const float SH = ScaleHeight();

    ApplyWindowRegion(SW, SH);

    // Before Max is set there is no percentage; the bar then has no length.
    const std::optional<double> percent = Percentage();
    std::int32_t F = 0;
    if (percent) F = Nearest(static_cast<double>(mOrientations == OrientVertical ? SH : SW) * *percent / 100);

    LoadThemePalette();
    if (!IsTrue(mEnabled))
        for (Color ThemePalette::*color : ThemePalette::kColors) mPalette.*color = GreyOf(mPalette.*color);

    Surface& surface = DrawingSurface();
    surface.Clear();
    DrawTrackAndBar(surface, SW, SH, F);
    DrawOutline(surface, SW, SH);
    DrawCaption(surface, SW, SH, percent);
}

void uo::ApplyWindowRegion(float SW, float SH) {
    mWindowRegion = Region::CreateRoundRectRgn(0, 0, Nearest(SW), Nearest(SH), mRoundedValue, mRoundedValue);
    SetWindowRgn(mWindowRegion.ToQRegion(), true);
}

std::optional<double> uo::Percentage() const {
    // Min does not enter: with Min 50, Max 100 and Value 50 the bar is half full.
    if (mMax == 0) return std::nullopt;
    return 100.0 * static_cast<double>(mValue) / static_cast<double>(mMax);
}

void uo::LoadThemePalette() { tirnel::LoadThemePalette(mTheme, mPBSCustomeColor1, mPBSCustomeColor2, mPalette); }

void uo::DrawTrackAndBar(Surface& surface, float SW, float SH, std::int32_t F) {
    const std::optional<BarLayout> layout = LayoutFor(mOrientations, SW, SH, F);
    if (!layout) return;
    // The bar's bands only from Value 1 on.
    const std::size_t bands = mValue >= 1 ? layout->bands.size() : kTrackBands;
    for (std::size_t i = 0; i < bands; ++i) {
        const Band& band = layout->bands[i];
        GradientTwoColour(surface, layout->direction, mPalette.*band.from, mPalette.*band.to, band.rect.left,
                          band.rect.top, band.rect.right, band.rect.bottom);
    }
}

void uo::DrawOutline(Surface& surface, float SW, float SH) {
    surface.SetForeColor(mPalette.BorderColor);
    surface.RoundRect(0, 0, Nearest(SW - 1), Nearest(SH - 1), mRoundedValue, mRoundedValue);
}

void uo::DrawCaption(Surface& surface, float SW, float SH, std::optional<double> percent) {
    const std::optional<QString> caption =
        BarCaption(mTextStyle, mValue, percent, mText, QLocale::system().decimalPoint().at(0));
    if (!caption) return;
    // The surface draws with the shared font object as it stands now.
    if (mTextFont) surface.SetFont(mTextFont->ToQFont());
    SurfaceTextCanvas canvas(surface, SW, SH);
    DrawBarText(canvas, *caption, mTextAlignment);
}

void uo::DrawBarText(BarTextCanvas& canvas, const QString& text, std::int32_t anchor) {
    tirnel::DrawBarText(canvas, text, anchor, BarTextLook{mEnabled, mTextForeColor, mTextEffectColor, mTextEffect});
}

}  // namespace tirnel
