#pragma once
// The steps of an input script for a button, as the command line and the tests spell them:
//   activate, deactivate          the container window gains or loses activation
//   focus, blur                   the button takes the focus; the focus moves on
//   move:X,Y  leave               the pointer moves to X,Y (button pixels); it goes away
//   press:X,Y[:right]  release:X,Y[:right]  dblclick:X,Y
//   key:NAME[:down|:up|:repeat]   NAME one of space, enter, escape, left, up, right, down,
//                                 alt+space; no suffix presses and releases
//   alt:C                         the access key Alt+C
//   let:Key=Value                 a property let after loading

#include <QPointF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <Qt>

#include <optional>

namespace tirnel::render {

enum class StepKind {
    Activate, Deactivate, Focus, Blur, Move, Leave, Press, Release, DoubleClick, Key, AccessKey, Let
};

// Which half of a key stroke a key step sends; Repeat is a key-down a held key repeats.
enum class KeyPhase { Stroke, Down, Up, Repeat };

struct ButtonStep {
    StepKind kind = StepKind::Activate;
    QPointF point;                              // pointer steps
    Qt::MouseButton button = Qt::LeftButton;    // press, release
    int key = 0;                                // key steps: the Qt key
    Qt::KeyboardModifiers modifiers;            // key steps
    QString text;                               // key steps: what the key types
    KeyPhase phase = KeyPhase::Stroke;          // key steps
    QChar accessKey;                            // alt:C
    QString property;                           // let
    QString value;                              // let
};

// The step the text spells; nullopt with the reason in problem when it spells none.
std::optional<ButtonStep> ParseButtonStep(const QString& text, QString* problem = nullptr);

// The steps that lead to a named state of a button of the given size: normal (none), hover
// (activate, move to the middle), down (hover, then a left press in the middle), focus
// (activate, focus). nullopt for another name.
std::optional<QStringList> StateSteps(const QString& state, QSize size);
QStringList StateNames();

}  // namespace tirnel::render
