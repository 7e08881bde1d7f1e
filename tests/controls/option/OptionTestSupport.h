#pragma once
// Test helpers for the option: options made the way a container makes them, a pointer the
// leave watch reads instead of the system's, a log of everything an option raises and
// announces, and a reading of which state picture the surface shows.

#include "controls/option/StatePictures.h"
#include "controls/option/ua.h"
#include "platform/AmbientProperties.h"
#include "tests/platform/QStringPrinter.h"

#include <QStringList>
#include <QTest>
#include <QWidget>

#include <memory>

namespace tirnel::test {

// The pointer as the leave watch sees it, in screen coordinates; counts the watch's ticks.
struct FakePointer {
    QPoint global{-1000, -1000};
    int ticks = 0;

    CursorPositionSource Source() {
        return [this] {
            ++ticks;
            return global;
        };
    }
    // Puts the pointer at a point of the option's client area.
    void Over(const ua& option, QPoint client) { global = option.mapToGlobal(client); }
};

// A created option at `geometry` (pixels) in `parent`, in a container whose user mode is given.
inline ua* MakeOption(QWidget* parent, const QString& name, const QString& tag, const QRect& geometry,
                      FakePointer& pointer, std::int16_t userMode = kTrue) {
    auto* option = new ua(parent);
    option->setObjectName(name);
    option->Tag(tag);
    option->setGeometry(geometry);
    option->UseCursorPositionSource(pointer.Source());
    AmbientProperties ambient;
    ambient.UserMode = userMode;
    option->SetAmbient(ambient);
    option->Create();
    return option;
}

inline void ShowWindow(QWidget& window) {
    window.show();
    window.activateWindow();
    (void)QTest::qWaitForWindowExposed(&window);
}

// "name Event args" for every event, "name Value=-1" and the like for every announcement.
struct EventLog {
    QStringList entries;

    void Watch(ua& option) {
        const QString name = option.objectName();
        auto note = [this, name](const QString& what) { entries << name + u' ' + what; };
        auto mouse = [note](const char* event) {
            return [note, event](std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
                note(QStringLiteral("%1 %2 %3 %4 %5").arg(QLatin1String(event)).arg(Button).arg(Shift).arg(X).arg(Y));
            };
        };
        QObject::connect(&option, &ua::Click, [note] { note(QStringLiteral("Click")); });
        QObject::connect(&option, &ua::MouseOut, [note] { note(QStringLiteral("MouseOut")); });
        QObject::connect(&option, &ua::MouseDown, mouse("MouseDown"));
        QObject::connect(&option, &ua::MouseMove, mouse("MouseMove"));
        QObject::connect(&option, &ua::MouseUp, mouse("MouseUp"));
        QObject::connect(&option, &ua::KeyDown, [note](std::int16_t& KeyCode, std::int16_t& Shift) {
            note(QStringLiteral("KeyDown %1 %2").arg(KeyCode).arg(Shift));
        });
        QObject::connect(&option, &ua::KeyUp, [note](std::int16_t& KeyCode, std::int16_t& Shift) {
            note(QStringLiteral("KeyUp %1 %2").arg(KeyCode).arg(Shift));
        });
        QObject::connect(&option, &ua::KeyPress,
                         [note](std::int16_t& KeyAscii) { note(QStringLiteral("KeyPress %1").arg(KeyAscii)); });
        QObject::connect(&option, &ua::PropertyAnnounced, [note, &option](const QString& property) {
            note(property == QLatin1String("Value") ? QStringLiteral("Value=%1").arg(option.Value()) : property);
        });
    }
    QStringList Matching(const QString& part) const { return entries.filter(part); }
};

// The index of the state picture shown with its top-left at `origin` among pixels read
// through `pixel`: the one whose opaque pixels all match, with `background` showing at its
// transparent corners; -1 when none does.
template <typename PixelAt>
int ShownPictureAt(PixelAt pixel, QPoint origin, Color background) {
    for (int index = 0; index < kStatePictureCount; ++index) {
        const PictureRef picture = StatePicture(index);
        bool same = true;
        for (int y = 0; same && y < kStatePictureSize; ++y)
            for (int x = 0; same && x < kStatePictureSize; ++x) {
                const bool transparent = (picture->Mask().pixel(x, y) & 0xFFFFFFu) != 0;
                const Color expected = transparent ? background : FromQRgb(picture->Image().pixel(x, y));
                same = pixel(origin.x() + x, origin.y() + y) == expected;
            }
        if (same) return index;
    }
    return -1;
}

// The same for the option's surface at its picture part.
inline int ShownPicture(const ua& option) {
    return ShownPictureAt([&](int x, int y) { return option.DrawingSurface().GetPixel(x, y); },
                          QPoint(option.PicturePart().Left(), option.PicturePart().Top()),
                          TranslateColor(option.BackColor()));
}

}  // namespace tirnel::test
