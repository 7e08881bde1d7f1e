#include "app/PasteRoutes.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

#include <optional>

namespace tirnel {

namespace {

// The clipboard a paste event reads: the paste keys the clipboard, the middle button the
// selection where the system has one.
std::optional<QClipboard::Mode> PasteSourceOf(const QEvent& event) {
    if (event.type() == QEvent::KeyPress && static_cast<const QKeyEvent&>(event).matches(QKeySequence::Paste))
        return QClipboard::Clipboard;
    if (event.type() == QEvent::MouseButtonRelease &&
        static_cast<const QMouseEvent&>(event).button() == Qt::MiddleButton &&
        QGuiApplication::clipboard()->supportsSelection())
        return QClipboard::Selection;
    return std::nullopt;
}

// Takes the action off the box's paste; false when it was not on it. Qt wires the menu's
// actions by name in some versions and by member in others.
bool UnwirePaste(QAction* action, QLineEdit* box) {
    return QObject::disconnect(action, SIGNAL(triggered()), box, SLOT(paste())) ||
           QObject::disconnect(action, &QAction::triggered, box, &QLineEdit::paste);
}

// The box's own menu, with its Paste (the action wired to the box's paste) wired to paste.
void ShowContextMenu(QLineEdit* box, const QContextMenuEvent& event, const PasteHandler& paste) {
    QMenu* menu = box->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        if (!UnwirePaste(action, box)) continue;
        QObject::connect(action, &QAction::triggered, box,
                         [paste] { paste(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
    }
    menu->popup(event.globalPos());
}

}  // namespace

bool RoutePaste(QLineEdit* box, QEvent* event, const PasteHandler& paste) {
    if (box->isReadOnly()) return false;
    if (event->type() == QEvent::ContextMenu) {
        ShowContextMenu(box, static_cast<const QContextMenuEvent&>(*event), paste);
        return true;
    }
    const std::optional<QClipboard::Mode> source = PasteSourceOf(*event);
    if (!source) return false;
    paste(QGuiApplication::clipboard()->text(*source));
    return true;
}

}  // namespace tirnel
