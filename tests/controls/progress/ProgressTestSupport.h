#pragma once
// Test helpers for the progress bar: a bar made the way a container makes one, and a plain
// look whose bands are easy to tell apart on the surface.

#include "controls/progress/uo.h"
#include "platform/ControlSite.h"
#include "platform/PropertyBag.h"

#include <memory>

namespace tirnel::test {

constexpr Color kBarBlue = RGB(0, 0, 255);
constexpr Color kTrackGreen = RGB(0, 255, 0);

// A hidden bar of the given pixel size in a run-time container that calls it "uo1". With a bag
// it is loaded from the bag, without one it is a new instance.
inline std::unique_ptr<uo> MakeBar(int width, int height, const PropertyBag* bag = nullptr) {
    auto bar = std::make_unique<uo>();
    bar->resize(width, height);
    SiteControl(*bar, QStringLiteral("uo1"), bag);
    return bar;
}

// Custom theme: the first row of each lower (or right) band is exactly the custom colour, the
// bar blue and the track green; no text and square corners.
inline std::unique_ptr<uo> MakePlainBar(int width, int height) {
    auto bar = MakeBar(width, height);
    bar->Theme(ThemeCustom);
    bar->PBSCustomeColor1(kBarBlue);
    bar->PBSCustomeColor2(kTrackGreen);
    bar->TextStyle(TextNone);
    bar->RoundedValue(0);
    return bar;
}

inline Color PixelAt(const uo& bar, int x, int y) { return bar.DrawingSurface().GetPixel(x, y); }

}  // namespace tirnel::test
