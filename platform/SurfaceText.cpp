// Text output of Surface through Qt's font engine on the surface's own image.

#include "platform/PrefixText.h"
#include "platform/Surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace tirnel {

namespace {

// The prefix underline runs this many rows below the baseline row.
constexpr int kUnderlineBelowBaseline = 1;

QStringList SplitLines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return unified.split(u'\n');
}

// Metrics at the image's resolution, the one the painter draws with; a surface without pixels
// measures at the default resolution. The device ratio does not enter: text is measured and
// placed in 1× pixels, and only printed at the device resolution.
QFontMetrics MetricsFor(const QFont& font, const QImage& image) {
    return image.isNull() ? QFontMetrics(font) : QFontMetrics(font, &image);
}

}  // namespace

int Surface::TextWidth(const QString& text) const {
    const QFontMetrics metrics = MetricsFor(mFont, Image());
    int widest = 0;
    for (const QString& line : SplitLines(text)) widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

int Surface::TextHeight(const QString& text) const {
    return MetricsFor(mFont, Image()).height() * static_cast<int>(SplitLines(text).size());
}

void Surface::Print(const QString& text) {
    const int lineHeight = MetricsFor(mFont, Image()).height();
    int x = mPosition.x();
    int y = mPosition.y();
    for (const QString& line : SplitLines(text)) {
        DrawTextLine(line, x, y, Bounds(), {});
        x = 0;
        y += lineHeight;
    }
    mPosition = QPoint(0, y);
}

int Surface::DrawText(const QString& text, const Rect& rect, unsigned format) {
    const PrefixText shown = (format & kDtNoPrefix) ? PrefixText{text, {}} : StripPrefixes(text);
    const QFontMetrics metrics = MetricsFor(mFont, Image());
    const int width = metrics.horizontalAdvance(shown.text);
    const int height = metrics.height();

    int x = rect.left;
    if (format & kDtCenter)
        x = rect.left + (rect.Width() - width) / 2;
    else if (format & kDtRight)
        x = rect.right - width;
    int y = rect.top;
    if (format & kDtVCenter)
        y = rect.top + (rect.Height() - height) / 2;
    else if (format & kDtBottom)
        y = rect.bottom - height;

    const Rect clip = (format & kDtNoClip) ? Bounds() : rect.Intersected(Bounds());
    DrawTextLine(shown.text, x, y, clip, shown.underlined);
    return height;
}

void Surface::DrawTextLine(const QString& line, int x, int y, const Rect& clip, std::span<const int> underlined) {
    if (clip.IsEmpty() || Image().isNull()) return;
    const QFontMetrics metrics = MetricsFor(mFont, Image());
    const Rect cell{x, y, x + metrics.horizontalAdvance(line), y + metrics.height()};
    if (mBkMode == BkMode::Opaque) FillRect(cell.Intersected(clip), mBackColor);

    {
        // Clipped to the device pixels of the 1× clip, then drawn at the device resolution.
        QPainter painter(&Image());
        painter.setClipRect(mPixels.DeviceRect(clip));
        if (DeviceRatio() != 1.0) painter.scale(DeviceRatio(), DeviceRatio());
        painter.setFont(mFont);
        painter.setPen(QColor::fromRgb(ToQRgb(mTextColor)));
        painter.drawText(QPoint(x, y + metrics.ascent()), line);
    }

    // The underline stays inside the text's cell: with a font whose descent is one pixel it
    // takes the cell's last row rather than falling below it (and out of a rectangle the
    // text's own height).
    const int underlineRow = std::min(y + metrics.ascent() + kUnderlineBelowBaseline, cell.bottom - 1);
    for (const int position : underlined) {
        const int left = x + metrics.horizontalAdvance(line.left(position));
        const int right = left + metrics.horizontalAdvance(line.mid(position, 1));
        FillRect(Rect{left, underlineRow, right, underlineRow + 1}.Intersected(clip), mTextColor);
    }
}

}  // namespace tirnel
