#pragma once

// A control's drawing surface: a 32-bit pixel image with the state of a device context
// (current position, pen colour, text colour, background colour and mode, font), and the
// drawing calls the controls are written against, each reproducing the platform's pixels.
// Everything is clipped to the image; nothing here fails outward.
//
// Coordinates are the drawing calls' own pixels (1× pixels). For a screen with a device pixel
// ratio above 1 the picture is kept at the device resolution (DevicePixels.h): every shape,
// line, gradient and bitmap keeps its 1× geometry, each 1× pixel an exact block of device
// pixels, while text is printed at the device resolution into the same places.

#include "platform/BitmapInfo.h"
#include "platform/Colors.h"
#include "platform/DevicePixels.h"
#include "platform/Rect.h"
#include "platform/Region.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <span>
#include <utility>

namespace tirnel {

// Whether text output fills its cell with the background colour first.
enum class BkMode { Transparent = 1, Opaque = 2 };

// DrawEdge: borders and sides.
constexpr unsigned kBdrRaisedOuter = 0x1;
constexpr unsigned kBdrSunkenOuter = 0x2;
constexpr unsigned kBdrRaisedInner = 0x4;
constexpr unsigned kBdrSunkenInner = 0x8;
constexpr unsigned kEdgeRaised = kBdrRaisedOuter | kBdrRaisedInner;
constexpr unsigned kEdgeSunken = kBdrSunkenOuter | kBdrSunkenInner;
constexpr unsigned kBfLeft = 0x1;
constexpr unsigned kBfTop = 0x2;
constexpr unsigned kBfRight = 0x4;
constexpr unsigned kBfBottom = 0x8;
constexpr unsigned kBfRect = kBfLeft | kBfTop | kBfRight | kBfBottom;

// DrawText formats understood here (text is always one line).
constexpr unsigned kDtLeft = 0x0;
constexpr unsigned kDtCenter = 0x1;
constexpr unsigned kDtRight = 0x2;
constexpr unsigned kDtVCenter = 0x4;
constexpr unsigned kDtBottom = 0x8;
constexpr unsigned kDtSingleLine = 0x20;
constexpr unsigned kDtNoClip = 0x100;
constexpr unsigned kDtNoPrefix = 0x800;

// Draw modes of SetROP2 named by the controls.
constexpr int kDrawModeInvert = 6;
constexpr int kDrawModeCopyPen = 13;

// GradientFill: a vertex with 16-bit channels (an 8-bit channel times 256) and a rectangle
// naming two vertices by index.
struct TriVertex {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;
    std::uint16_t alpha = 0;
};
struct GradientRect {
    std::uint32_t upperLeft = 0;
    std::uint32_t lowerRight = 0;
};
constexpr unsigned kGradientFillRectH = 0;
constexpr unsigned kGradientFillRectV = 1;

class PictureObject;

class Surface {
public:
    Surface(int width = 0, int height = 0);

    // Keeps the overlapping part of the picture; new area takes the background colour.
    void Resize(int width, int height);
    int Width() const { return mPixels.Width(); }
    int Height() const { return mPixels.Height(); }
    // The device pixel ratio the picture is kept at (1 and above; DeviceGrid.h). A new ratio
    // keeps the picture as its 1× pixels show it (text then looks as at 1× until it is drawn
    // again).
    void SetDeviceRatio(double ratio);
    double DeviceRatio() const { return mPixels.Grid().Ratio(); }
    // The picture in device pixels: Width() x Height() at ratio 1.
    const QImage& Image() const { return mPixels.Image(); }
    QImage& Image() { return mPixels.Image(); }
    // The pixel a device pixel of Image() shows.
    QPoint PixelAt(int x, int y) const { return mPixels.PixelAt(x, y); }

    // Device-context state; setters return the previous value. The pen colour draws lines and
    // outlines, the text colour text and its underlines. The foreground colour is both at once:
    // SetForeColor sets the two and returns the previous text colour, ForeColor is the text colour.
    Color SetPenColor(Color color);
    Color PenColor() const { return mPenColor; }
    Color SetTextColor(Color color);
    Color TextColor() const { return mTextColor; }
    Color SetForeColor(Color color);
    Color ForeColor() const { return mTextColor; }
    Color SetBackColor(Color color);
    Color BackColor() const { return mBackColor; }
    BkMode SetBkMode(BkMode mode);
    BkMode GetBkMode() const { return mBkMode; }
    // The draw mode (raster operation of the pen: 13 copy, 6 invert, ...). It is kept as
    // state only: no drawing call here reads it. Lines, frames and fills always paint their
    // colour, and DrawFocusRect always inverts, whatever the mode. Returns the previous mode.
    int SetROP2(int mode) { return std::exchange(mDrawMode, mode); }
    int GetROP2() const { return mDrawMode; }
    void SetFont(const QFont& font) { mFont = font; }
    const QFont& Font() const { return mFont; }
    // Returns the previous position.
    QPoint MoveToEx(int x, int y);
    QPoint CurrentPosition() const { return mPosition; }

    // Fills the whole surface with the background colour and puts the position back at (0, 0).
    void Clear();

    // The colour set, or kInvalidColor outside the surface. A pixel is read at the first
    // device pixel of its block.
    Color SetPixel(int x, int y, Color color);
    Color GetPixel(int x, int y) const;

    void FillRect(const Rect& rect, Color color);
    void FrameRect(const Rect& rect, Color color);
    void FillRgn(const Region& region, Color color);
    // A 1-pixel line in the pen colour from the current position, end point excluded;
    // the end point becomes the current position.
    void LineTo(int x, int y);
    // The outline of a rectangle with corners rounded by a w x h ellipse, 1-pixel pen in the
    // pen colour, inside not filled.
    void RoundRect(int left, int top, int right, int bottom, int w, int h);
    // Rectangle modes only; false (nothing drawn) for other modes or vertex indices out of range.
    bool GradientFill(std::span<const TriVertex> vertices, std::span<const GradientRect> rects, unsigned mode);
    void DrawEdge(const Rect& rect, unsigned edge, unsigned flags = kBfRect);
    // Inverts a checker of the rectangle's 1-pixel frame; drawing it again restores the image.
    void DrawFocusRect(const Rect& rect);

    // Bitmap transfers. Source rows are addressed from the bottom of a bottom-up bitmap.
    // SetDIBitsToDevice copies; `bits` holds scan lines startScan .. startScan + scanLines - 1.
    // Returns the number of scan lines handed over, 0 when the input is unusable.
    int SetDIBitsToDevice(int xDest, int yDest, int width, int height, int xSrc, int ySrc, int startScan,
                          int scanLines, std::span<const std::uint8_t> bits, const BitmapInfoHeader& header,
                          unsigned colorUse = kDibRgbColors);
    // Nearest-neighbour stretch of a source rectangle onto a destination rectangle with one of
    // the raster operations of BitmapInfo.h. Returns the bitmap's number of rows, 0 on failure.
    int StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                      int srcHeight, std::span<const std::uint8_t> bits, const BitmapInfoHeader& header,
                      unsigned colorUse, std::uint32_t rop);
    // The same from an image held in memory (rows top first).
    bool StretchBlt(int xDest, int yDest, int destWidth, int destHeight, const QImage& source, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, std::uint32_t rop);
    // Stretches like StretchBlt with copy, leaving the destination where the source pixel equals
    // `transparent` (compared as a plain colour value, without translation).
    bool TransparentBlt(int xDest, int yDest, int destWidth, int destHeight, const QImage& source, int xSrc,
                        int ySrc, int srcWidth, int srcHeight, Color transparent);
    // Draws an icon the normal way, its colour and mask images stretched (nearest neighbour) to
    // width x height at (x, y): D = (D AND M) XOR C, M white where the mask marks the pixel
    // transparent. An icon without a mask image whose image has an alpha channel is blended
    // over the surface with its alpha instead; a bitmap is drawn opaque. False, drawing
    // nothing, for an empty picture or a width or height <= 0.
    bool DrawIconEx(int x, int y, const PictureObject& icon, int width, int height);

    // Text in the surface's font. Width of the widest line, height of all lines (line height
    // times the number of lines); a string is split into lines at "\n" and "\r\n".
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    // Prints at the current position (top-left of the text there) in the text colour;
    // afterwards the position is at the start of the next line (x = 0).
    void Print(const QString& text);
    // One line with "&" prefixes (unless kDtNoPrefix), placed in `rect` by the format and clipped
    // to it (unless kDtNoClip). Returns the height of the text.
    int DrawText(const QString& text, const Rect& rect, unsigned format);

private:
    Rect Bounds() const { return mPixels.Bounds(); }
    // Draws one line with its top-left at (x, y), clipped to `clip`, underlining the characters
    // at the given positions.
    void DrawTextLine(const QString& line, int x, int y, const Rect& clip, std::span<const int> underlined);
    // Inverts the pixels of `rect` whose x + y is even.
    void InvertChecker(const Rect& rect);

    DevicePixels mPixels;
    QPoint mPosition;
    Color mPenColor = 0;
    Color mTextColor = 0;
    Color mBackColor = RGB(255, 255, 255);
    BkMode mBkMode = BkMode::Transparent;
    int mDrawMode = kDrawModeCopyPen;
    QFont mFont;
};

}  // namespace tirnel
