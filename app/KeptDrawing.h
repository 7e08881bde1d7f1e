#pragma once
// Drawing done on a window that the window keeps: it is drawn into an image of the window's
// size and shown again under the controls at every repaint.

#include <QColor>
#include <QImage>
#include <QObject>
#include <QRect>

class QWidget;

namespace tirnel {

class KeptDrawing : public QObject {
    Q_OBJECT
public:
    // The window's drawing, made on first use.
    static KeptDrawing& Of(QWidget* window);

    // An unfilled box whose corners are the two pixels given (both included).
    void Box(QPoint from, QPoint to, const QColor& colour);

    const QImage& Image() const { return mImage; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit KeptDrawing(QWidget* window);
    void Fit();

    QWidget* mWindow;
    QImage mImage;
};

}  // namespace tirnel
