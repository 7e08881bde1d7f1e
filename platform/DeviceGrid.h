#pragma once
// Where the pixels the drawing calls count (1× pixels) lie among a screen's pixels at a device
// pixel ratio. Device pixel d shows the 1× pixel whose span [x·ratio, (x + 1)·ratio) holds d's
// centre d + 0.5, as a fill at that scale covers the pixels whose centres it holds. At a whole
// ratio n every 1× pixel is an n × n block; at 1.5 the blocks are by turns 1 and 2 device
// pixels wide, never blended.

namespace tirnel {

class DeviceGrid {
public:
    // A ratio below 1 (or not a number) counts as 1.
    explicit DeviceGrid(double ratio = 1.0);

    double Ratio() const { return mRatio; }
    // The first device pixel of 1× pixel x, which is also the end of pixel x - 1.
    int Edge(int x) const;
    // The 1× pixel device pixel d shows.
    int PixelAt(int d) const;
    // The device pixels `pixels` 1× pixels take on screen: pixels × ratio rounded up, so at a
    // fractional ratio the last block also takes what is left over.
    int Extent(int pixels) const;

    friend bool operator==(const DeviceGrid&, const DeviceGrid&) = default;

private:
    double mRatio;
};

}  // namespace tirnel
