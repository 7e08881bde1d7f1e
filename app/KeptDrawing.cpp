#include "app/KeptDrawing.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace tirnel {

KeptDrawing::KeptDrawing(QWidget* window) : QObject(window), mWindow(window) {
    setObjectName(QStringLiteral("keptDrawing"));
    window->installEventFilter(this);
}

KeptDrawing& KeptDrawing::Of(QWidget* window) {
    if (auto* drawing = window->findChild<KeptDrawing*>(QStringLiteral("keptDrawing"), Qt::FindDirectChildrenOnly)) {
        return *drawing;
    }
    return *new KeptDrawing(window);
}

void KeptDrawing::Fit() {
    const QSize size = mWindow->size().expandedTo(mImage.size());
    if (size == mImage.size()) return;
    QImage grown(size, QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    QPainter(&grown).drawImage(0, 0, mImage);
    mImage = grown;
}

void KeptDrawing::Box(QPoint from, QPoint to, const QColor& colour) {
    Fit();
    QPainter painter(&mImage);
    painter.setPen(colour);
    const QRect box = QRect(from, to).normalized();
    // A one-pixel pen outlines x … x + width, so this covers both corners.
    painter.drawRect(box.x(), box.y(), box.width() - 1, box.height() - 1);
    mWindow->update(box);
}

bool KeptDrawing::eventFilter(QObject* watched, QEvent* event) {
    // Painted before the window's own painting, over its background and under its children.
    if (watched == mWindow && event->type() == QEvent::Paint && !mImage.isNull()) {
        QPainter painter(mWindow);
        painter.drawImage(0, 0, mImage);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tirnel
