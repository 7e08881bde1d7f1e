#include "tools/render/ButtonCommand.h"

#include "tools/render/ButtonScript.h"
#include "tools/render/PropertyArguments.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>

namespace tirnel::render {

namespace {

constexpr int kUsageError = 2;
constexpr int kWriteError = 1;

struct ButtonArguments {
    std::optional<QSize> size;
    PropertyBag bag;
    ButtonAmbient ambient;
    QStringList steps;
    QString state;
    QString events;
    QString save;
    QString out;
    double scale = 1.0;
};

// One option taking a value: stores it, or says what is wrong with it.
struct ButtonOption {
    const char* name;
    std::function<QString(ButtonArguments& arguments, const QString& value)> take;
};

const std::array<ButtonOption, 9> kOptions = {{
    {"--size",
     [](ButtonArguments& a, const QString& v) {
         a.size = ParseSize(v);
         return a.size ? QString() : QStringLiteral("--size takes WxH");
     }},
    {"--set",
     [](ButtonArguments& a, const QString& v) {
         QString problem;
         return AddSetting(a.bag, v, &problem) ? QString() : problem;
     }},
    {"--ambient",
     [](ButtonArguments& a, const QString& v) {
         QString problem;
         return AddButtonAmbient(a.ambient, v, &problem) ? QString() : problem;
     }},
    {"--do",
     [](ButtonArguments& a, const QString& v) {
         QString problem;
         if (!ParseButtonStep(v, &problem)) return problem;
         a.steps << v;
         return QString();
     }},
    {"--state",
     [](ButtonArguments& a, const QString& v) {
         a.state = v;
         return StateNames().contains(v) ? QString()
                                         : QStringLiteral("button has no state \"%1\" (%2)")
                                               .arg(v, StateNames().join(u'|'));
     }},
    {"--events", [](ButtonArguments& a, const QString& v) { a.events = v; return QString(); }},
    {"--save", [](ButtonArguments& a, const QString& v) { a.save = v; return QString(); }},
    {"--out", [](ButtonArguments& a, const QString& v) { a.out = v; return QString(); }},
    {"--scale",
     [](ButtonArguments& a, const QString& v) {
         const std::optional<double> scale = ParseScale(v);
         a.scale = scale.value_or(1.0);
         return scale ? QString() : ScaleProblem();
     }},
}};

int Fail(const QString& problem) {
    std::fprintf(stderr, "tirnel-render: %s\n%s", qPrintable(problem), ButtonUsage());
    return kUsageError;
}

// Lines to a file, or to standard output for "-".
bool WriteLines(const QString& target, const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines) text += line.toUtf8() + '\n';
    if (target == QLatin1String("-")) {
        std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
        std::fflush(stdout);
        return true;
    }
    QFile file(target);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

}  // namespace

const char* ButtonUsage() {
    return "usage: tirnel-render button --size WxH [--set Key=Value]... [--ambient Key=Value]...\n"
           "         [--do STEP]... [--state normal|hover|down|focus] [--events FILE|-] [--save FILE|-]\n"
           "         [--scale N] --out FILE.png\n"
           "--set values as for the other controls; Picture, PictureHover and MouseIcon take\n"
           "bitmap:FILE.png or icon:FILE.png[:MASK.png] (mask white where the icon is clear).\n"
           "--ambient: UserMode=True|False, BackColor=COLOUR, DisplayAsDefault=True|False\n"
           "STEP: activate, deactivate, focus, blur, move:X,Y, leave, press:X,Y[:right],\n"
           "      release:X,Y[:right], dblclick:X,Y, key:NAME[:down|:up|:repeat], alt:C, let:Key=Value\n"
           "      (NAME: space, enter, escape, left, up, right, down, alt+space)\n"
           "--state runs its steps before the --do steps: hover = activate, move to the middle;\n"
           "down = hover, press in the middle; focus = activate, focus.\n"
           "--events lists the events raised, --save what the button stores, one a line.\n"
           "--scale N draws for a screen of device pixel ratio N (1 to 4); steps stay in 1x pixels.\n";
}

bool ButtonOptionTakesValue(const QString& name) {
    return std::any_of(kOptions.begin(), kOptions.end(),
                       [&name](const ButtonOption& o) { return name == QLatin1String(o.name); });
}

int RunButtonCommand(const QStringList& arguments) {
    ButtonArguments parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            std::fputs(ButtonUsage(), stderr);
            return 0;
        }
        const ButtonOption* option = nullptr;
        for (const ButtonOption& o : kOptions)
            if (argument == QLatin1String(o.name)) option = &o;
        if (!option) return Fail(QStringLiteral("unexpected argument \"%1\"").arg(argument));
        if (i + 1 >= arguments.size()) return Fail(QStringLiteral("%1 takes a value").arg(argument));
        const QString problem = option->take(parsed, arguments[++i]);
        if (!problem.isEmpty()) return Fail(problem);
    }
    if (!parsed.size) return Fail(QStringLiteral("no --size given"));
    if (parsed.out.isEmpty()) return Fail(QStringLiteral("no --out given"));

    QStringList steps = parsed.state.isEmpty() ? QStringList() : *StateSteps(parsed.state, *parsed.size);
    steps += parsed.steps;
    ButtonSessionOptions options;
    options.size = *parsed.size;
    options.bag = parsed.bag;
    options.ambient = parsed.ambient;
    options.scale = parsed.scale;
    ButtonSession session(options);
    session.Run(steps);

    if (!session.Image().save(parsed.out, "PNG")) {
        std::fprintf(stderr, "tirnel-render: cannot write %s\n", qPrintable(parsed.out));
        return kWriteError;
    }
    if (!parsed.events.isEmpty() && !WriteLines(parsed.events, session.Log())) {
        std::fprintf(stderr, "tirnel-render: cannot write %s\n", qPrintable(parsed.events));
        return kWriteError;
    }
    if (!parsed.save.isEmpty() && !WriteLines(parsed.save, session.Saved())) {
        std::fprintf(stderr, "tirnel-render: cannot write %s\n", qPrintable(parsed.save));
        return kWriteError;
    }
    return 0;
}

}  // namespace tirnel::render
