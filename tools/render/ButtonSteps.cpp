#include "tools/render/ButtonSteps.h"

#include "tools/render/ButtonLets.h"

#include <array>

namespace tirnel::render {

namespace {

struct KeyName {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

const std::array<KeyName, 8> kKeys = {{
    {"space", Qt::Key_Space, Qt::NoModifier, " "},
    {"enter", Qt::Key_Return, Qt::NoModifier, "\r"},
    {"escape", Qt::Key_Escape, Qt::NoModifier, "\x1b"},
    {"left", Qt::Key_Left, Qt::NoModifier, ""},
    {"up", Qt::Key_Up, Qt::NoModifier, ""},
    {"right", Qt::Key_Right, Qt::NoModifier, ""},
    {"down", Qt::Key_Down, Qt::NoModifier, ""},
    {"alt+space", Qt::Key_Space, Qt::AltModifier, " "},
}};

struct PhaseName {
    const char* name;
    KeyPhase phase;
};

const std::array<PhaseName, 3> kPhases = {{
    {"down", KeyPhase::Down},
    {"up", KeyPhase::Up},
    {"repeat", KeyPhase::Repeat},
}};

struct PlainStep {
    const char* name;
    StepKind kind;
};

const std::array<PlainStep, 5> kPlainSteps = {{
    {"activate", StepKind::Activate},
    {"deactivate", StepKind::Deactivate},
    {"focus", StepKind::Focus},
    {"blur", StepKind::Blur},
    {"leave", StepKind::Leave},
}};

struct PointerStep {
    const char* name;
    StepKind kind;
    bool takesButton;
};

const std::array<PointerStep, 4> kPointerSteps = {{
    {"move", StepKind::Move, false},
    {"press", StepKind::Press, true},
    {"release", StepKind::Release, true},
    {"dblclick", StepKind::DoubleClick, false},
}};

std::optional<ButtonStep> Fail(QString* problem, const QString& why) {
    if (problem) *problem = why;
    return std::nullopt;
}

std::optional<QPointF> ParsePoint(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 2) return std::nullopt;
    bool okX = false;
    bool okY = false;
    const double x = parts[0].toDouble(&okX);
    const double y = parts[1].toDouble(&okY);
    if (!okX || !okY) return std::nullopt;
    return QPointF(x, y);
}

std::optional<ButtonStep> ParsePointerStep(const PointerStep& kind, const QStringList& parts, const QString& text,
                                           QString* problem) {
    const qsizetype most = kind.takesButton ? 3 : 2;
    if (parts.size() < 2 || parts.size() > most)
        return Fail(problem, QStringLiteral("step \"%1\" takes %2:X,Y%3")
                                 .arg(text, QLatin1String(kind.name), kind.takesButton ? ":right" : ""));
    ButtonStep step;
    step.kind = kind.kind;
    const std::optional<QPointF> point = ParsePoint(parts[1]);
    if (!point) return Fail(problem, QStringLiteral("step \"%1\": bad coordinates \"%2\"").arg(text, parts[1]));
    step.point = *point;
    if (parts.size() == 3) {
        if (parts[2] != QLatin1String("right"))
            return Fail(problem, QStringLiteral("step \"%1\": the only button named is \"right\"").arg(text));
        step.button = Qt::RightButton;
    }
    return step;
}

std::optional<ButtonStep> ParseKeyStep(const QStringList& parts, const QString& text, QString* problem) {
    if (parts.size() < 2 || parts.size() > 3)
        return Fail(problem, QStringLiteral("step \"%1\" takes key:NAME[:down|:up|:repeat]").arg(text));
    ButtonStep step;
    step.kind = StepKind::Key;
    const KeyName* key = nullptr;
    for (const KeyName& k : kKeys)
        if (parts[1] == QLatin1String(k.name)) key = &k;
    if (!key) return Fail(problem, QStringLiteral("step \"%1\": unknown key \"%2\"").arg(text, parts[1]));
    step.key = key->key;
    step.modifiers = key->modifiers;
    step.text = QString::fromLatin1(key->text);
    if (parts.size() == 3) {
        const PhaseName* phase = nullptr;
        for (const PhaseName& p : kPhases)
            if (parts[2] == QLatin1String(p.name)) phase = &p;
        if (!phase) return Fail(problem, QStringLiteral("step \"%1\": unknown key phase \"%2\"").arg(text, parts[2]));
        step.phase = phase->phase;
    }
    return step;
}

std::optional<ButtonStep> ParseLetStep(const QString& assignment, const QString& text, QString* problem) {
    const qsizetype equals = assignment.indexOf(u'=');
    if (equals <= 0) return Fail(problem, QStringLiteral("step \"%1\" takes let:Key=Value").arg(text));
    ButtonStep step;
    step.kind = StepKind::Let;
    step.property = assignment.left(equals);
    step.value = assignment.mid(equals + 1);
    if (!ButtonLetNames().contains(step.property, Qt::CaseInsensitive))
        return Fail(problem, QStringLiteral("step \"%1\": no property \"%2\" to let (%3)")
                                 .arg(text, step.property, ButtonLetNames().join(QLatin1String(", "))));
    if (!CanLetButtonProperty(step.property, step.value))
        return Fail(problem,
                    QStringLiteral("step \"%1\": \"%2\" does not fit %3").arg(text, step.value, step.property));
    return step;
}

}  // namespace

std::optional<ButtonStep> ParseButtonStep(const QString& text, QString* problem) {
    for (const PlainStep& plain : kPlainSteps) {
        if (text == QLatin1String(plain.name)) {
            ButtonStep step;
            step.kind = plain.kind;
            return step;
        }
    }
    const qsizetype colon = text.indexOf(u':');
    const QString head = text.left(colon);
    if (colon > 0 && head == QLatin1String("let")) return ParseLetStep(text.mid(colon + 1), text, problem);
    if (colon > 0 && head == QLatin1String("alt")) {
        const QString key = text.mid(colon + 1);
        if (key.size() != 1 || !key[0].isLetterOrNumber())
            return Fail(problem, QStringLiteral("step \"%1\" takes alt:C with one letter or digit").arg(text));
        ButtonStep step;
        step.kind = StepKind::AccessKey;
        step.accessKey = key[0];
        return step;
    }
    const QStringList parts = text.split(u':');
    if (colon > 0 && head == QLatin1String("key")) return ParseKeyStep(parts, text, problem);
    for (const PointerStep& pointer : kPointerSteps)
        if (colon > 0 && head == QLatin1String(pointer.name)) return ParsePointerStep(pointer, parts, text, problem);
    return Fail(problem, QStringLiteral("unknown step \"%1\"").arg(text));
}

std::optional<QStringList> StateSteps(const QString& state, QSize size) {
    const QString middle = QStringLiteral("%1,%2").arg(size.width() / 2.0).arg(size.height() / 2.0);
    const QString activate = QStringLiteral("activate");
    const QString move = QStringLiteral("move:") + middle;
    const QString press = QStringLiteral("press:") + middle;
    const std::array<std::pair<const char*, QStringList>, 4> kStates = {{
        {"normal", {}},
        {"hover", {activate, move}},
        {"down", {activate, move, press}},
        {"focus", {activate, QStringLiteral("focus")}},
    }};
    for (const auto& [name, steps] : kStates)
        if (state == QLatin1String(name)) return steps;
    return std::nullopt;
}

QStringList StateNames() {
    return {QStringLiteral("normal"), QStringLiteral("hover"), QStringLiteral("down"), QStringLiteral("focus")};
}

}  // namespace tirnel::render
