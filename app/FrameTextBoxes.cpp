#include "app/FrameTextBoxes.h"

#include "platform/Colors.h"
#include "platform/Form.h"
#include "platform/TwipsGeometry.h"

#include <QLineEdit>
#include <QWidget>

namespace tirnel {

namespace {
const Color kFrameColor = RGB(84, 165, 213);

// The window's own text boxes, not the editors inside combo or spin boxes.
bool IsTextBox(const QLineEdit* box) {
    const QWidget* parent = box->parentWidget();
    return parent && !parent->inherits("QComboBox") && !parent->inherits("QAbstractSpinBox");
}
}  // namespace

void FrameTextBoxes(QWidget* form) {
    auto* window = qobject_cast<Form*>(form->window());
    if (!window) return;
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (!IsTextBox(box)) continue;
        box->setFrame(false);
        TwipsRect r = TwipsGeometryOf(box);
        r = {r.left + 15, r.top + 15, r.width - 45, r.height - 60};
        PlaceInTwips(box, r);
        const QPoint from(TwipsToPixels(r.left - 15), TwipsToPixels(r.top - 30));
        const QPoint to(TwipsToPixels(r.left + r.width + 15), TwipsToPixels(r.top + r.height + 15));
        const QPoint a = box->parentWidget()->mapTo(window, from);
        const QPoint b = box->parentWidget()->mapTo(window, to);
        window->Box(a.x(), a.y(), b.x(), b.y(), kFrameColor);
    }
}

}  // namespace tirnel
