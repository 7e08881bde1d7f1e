#pragma once
// Pictures of tirnel-render at device pixel ratios, and what tells a picture drawn at ratio n
// from the 1× picture with every pixel made an n x n block.

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>

namespace tirnel::test {

// tirnel-render's arguments and --out FILE, plus --scale N when N is not 1; the picture it
// wrote (ARGB32), or a null image when it failed.
inline QImage RenderAtScale(const QStringList& arguments, const QString& file, int scale) {
    QStringList all = arguments;
    if (scale != 1) all << QStringLiteral("--scale") << QString::number(scale);
    QProcess process;
    process.start(QStringLiteral(TIRNEL_BIN_DIR "/tirnel-render"), all << QStringLiteral("--out") << file);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QImage(file).convertToFormat(QImage::Format_ARGB32);
}

// The picture with every pixel an n x n block.
inline QImage Blocked(const QImage& image, int n) {
    QImage blocked(image.size() * n, QImage::Format_ARGB32);
    for (int y = 0; y < blocked.height(); ++y)
        for (int x = 0; x < blocked.width(); ++x) blocked.setPixel(x, y, image.pixel(x / n, y / n));
    return blocked;
}

// How many of the n x n blocks that lie in `area` (device pixels, on the block grid) are not
// of one colour: none in a Blocked picture.
inline int MixedBlocks(const QImage& image, int n, const QRect& area) {
    int mixed = 0;
    for (int y = area.top(); y + n - 1 <= area.bottom(); y += n)
        for (int x = area.left(); x + n - 1 <= area.right(); x += n) {
            bool same = true;
            for (int i = 0; i < n * n; ++i) same = same && image.pixel(x + i % n, y + i / n) == image.pixel(x, y);
            if (!same) ++mixed;
        }
    return mixed;
}

// The smallest rectangle holding every pixel where the two pictures differ.
inline QRect Differing(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace tirnel::test
