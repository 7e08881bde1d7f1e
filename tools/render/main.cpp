// tirnel-render CONTROL --size WxH [--set Key=Value]... [--state STATE] [--scale N] --out FILE.png
// Draws a custom control offscreen from the given settings and writes its surface as a PNG,
// for a screen of device pixel ratio N (1 unless given; the PNG is N times the size).
// The button takes options of its own (ButtonCommand.h): input steps, ambient values, and
// lists of the events it raised and of what it saves.

#include "tools/render/ButtonCommand.h"
#include "tools/render/PropertyArguments.h"
#include "tools/render/RenderControl.h"
#include "tools/render/RenderTargets.h"

#include <QApplication>
#include <QSize>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

constexpr int kUsageError = 2;
constexpr int kWriteError = 1;

int Usage(const QString& problem) {
    if (!problem.isEmpty()) std::fprintf(stderr, "tirnel-render: %s\n", qPrintable(problem));
    QStringList names;
    QStringList states;
    for (const tirnel::render::RenderTarget& target : tirnel::render::RenderTargets()) {
        names << QLatin1String(target.name);
        QStringList stateNames;
        for (const tirnel::render::RenderState& state : target.states) stateNames << QLatin1String(state.name);
        if (!stateNames.isEmpty())
            states << QStringLiteral("%1: %2").arg(QLatin1String(target.name), stateNames.join(u'|'));
    }
    names << QStringLiteral("button");
    std::fprintf(stderr,
                 "usage: tirnel-render CONTROL --size WxH [--set Key=Value]... [--state STATE] [--scale N]\n"
                 "         --out FILE.png\n"
                 "CONTROL: %s\n"
                 "STATE (%s)\n"
                 "Values: decimal or 0x-hex integers, True/False, pictures (bitmap:FILE.png,\n"
                 "icon:FILE.png[:MASK.png]), or text; keys not given take their read defaults.\n"
                 "--scale N draws for a screen of device pixel ratio N (1 to 4, 1.5 too): shapes as\n"
                 "N x N blocks of their 1x pixels, text at the screen's resolution.\n",
                 qPrintable(names.join(QLatin1String(", "))), qPrintable(states.join(QLatin1String("; "))));
    std::fputs(tirnel::render::ButtonUsage(), stderr);
    return kUsageError;
}

// Where "button" names the control (not an option's value), or -1.
qsizetype ButtonControlAt(const QStringList& arguments) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (tirnel::render::ButtonOptionTakesValue(arguments[i])) {
            ++i;
        } else if (arguments[i] == QLatin1String("button")) {
            return i;
        } else if (!arguments[i].startsWith(QLatin1String("--"))) {
            return -1;
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    // Always offscreen, so the pixels do not depend on a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (const qsizetype at = ButtonControlAt(arguments); at >= 0) {
        QStringList rest = arguments;
        rest.removeAt(at);
        return tirnel::render::RunButtonCommand(rest);
    }

    const tirnel::render::RenderTarget* target = nullptr;
    std::optional<QSize> size;
    QString out;
    QString stateName;
    double scale = 1.0;
    tirnel::PropertyBag bag;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            Usage({});
            return 0;
        }
        if (argument == QLatin1String("--size")) {
            if (!hasValue || !(size = tirnel::render::ParseSize(arguments[++i])))
                return Usage(QStringLiteral("--size takes WxH"));
        } else if (argument == QLatin1String("--set")) {
            QString problem = QStringLiteral("--set takes Key=Value");
            if (!hasValue || !tirnel::render::AddSetting(bag, arguments[++i], &problem)) return Usage(problem);
        } else if (argument == QLatin1String("--state")) {
            if (!hasValue) return Usage(QStringLiteral("--state takes a state name"));
            stateName = arguments[++i];
        } else if (argument == QLatin1String("--scale")) {
            const std::optional<double> given = hasValue ? tirnel::render::ParseScale(arguments[++i]) : std::nullopt;
            if (!given) return Usage(tirnel::render::ScaleProblem());
            scale = *given;
        } else if (argument == QLatin1String("--out")) {
            if (!hasValue) return Usage(QStringLiteral("--out takes a file name"));
            out = arguments[++i];
        } else if (!target && !argument.startsWith(QLatin1String("--"))) {
            target = tirnel::render::FindRenderTarget(argument);
            if (!target) return Usage(QStringLiteral("unknown control \"%1\"").arg(argument));
        } else {
            return Usage(QStringLiteral("unexpected argument \"%1\"").arg(argument));
        }
    }
    if (!target) return Usage(QStringLiteral("no control named"));
    if (!size) return Usage(QStringLiteral("no --size given"));
    if (out.isEmpty()) return Usage(QStringLiteral("no --out given"));
    const tirnel::render::RenderState* state = nullptr;
    if (!stateName.isEmpty() && !(state = tirnel::render::FindRenderState(*target, stateName)))
        return Usage(QStringLiteral("%1 has no state \"%2\"").arg(QLatin1String(target->name), stateName));

    const QImage image = tirnel::render::RenderControl(*target, *size, bag, state, scale);
    if (!image.save(out, "PNG")) {
        std::fprintf(stderr, "tirnel-render: cannot write %s\n", qPrintable(out));
        return kWriteError;
    }
    return 0;
}
