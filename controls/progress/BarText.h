#pragma once
// The text printed over the bar: placed at one of nine anchors and drawn with one of five
// effects, each a few prints of the same text at one-pixel offsets.

#include "platform/Colors.h"

#include <QPoint>
#include <QString>

#include <cstdint>
#include <optional>

namespace tirnel {

class Surface;

// What DrawBarText needs of a drawing surface. The control hands it its own surface; tests hand
// it a recorder with fixed text sizes, so placement does not depend on installed fonts.
class BarTextCanvas {
public:
    virtual ~BarTextCanvas() = default;
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;
    virtual float TextWidth(const QString& text) = 0;
    virtual float TextHeight(const QString& text) = 0;
    virtual void ForeColor(Color color) = 0;
    // Sets the current position; Print starts there with the text's top-left corner.
    virtual void CurrentXY(std::int32_t x, std::int32_t y) = 0;
    // Prints in the foreground colour and the current font, background left as it is.
    virtual void Print(const QString& text) = 0;
};

// The canvas of a real surface, with the control's scale size.
class SurfaceTextCanvas : public BarTextCanvas {
public:
    SurfaceTextCanvas(Surface& surface, float scaleWidth, float scaleHeight);
    float ScaleWidth() const override { return mScaleWidth; }
    float ScaleHeight() const override { return mScaleHeight; }
    float TextWidth(const QString& text) override;
    float TextHeight(const QString& text) override;
    void ForeColor(Color color) override;
    void CurrentXY(std::int32_t x, std::int32_t y) override;
    void Print(const QString& text) override;

private:
    Surface& mSurface;
    float mScaleWidth;
    float mScaleHeight;
};

// The state of the bar the text depends on.
struct BarTextLook {
    std::int16_t Enabled = 0;
    Color TextForeColor = 0;
    Color TextEffectColor = 0;
    std::int32_t TextEffect = 0;
};

// The grey copy of the raised and sunken effects; it stays the same on a disabled bar.
constexpr Color kBarTextGrey = RGB(128, 128, 128);

// The top-left point of the text for an anchor (TextAlignment 1..9, anything else (0, 0)).
// Only the measurements the anchor needs are taken. Nothing when a coordinate does not fit in
// 32 bits.
std::optional<QPoint> BarTextAnchor(BarTextCanvas& canvas, const QString& text, std::int32_t anchor);

// Prints `text` at `anchor` with the look's effect: in the effect colour, the fixed grey and
// last of all in the text colour at the anchor itself (greyed with GreyOf on a disabled bar).
// An unknown effect prints nothing. The foreground colour is left at the text colour. Returns
// false when the anchor or a print's position falls outside 32 bits; the prints before that one
// have been made.
bool DrawBarText(BarTextCanvas& canvas, const QString& text, std::int32_t anchor, const BarTextLook& look);

}  // namespace tirnel
