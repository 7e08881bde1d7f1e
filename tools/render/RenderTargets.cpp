#include "tools/render/RenderTargets.h"

#include "controls/option/ua.h"
#include "controls/progress/uo.h"
#include "platform/ControlSite.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <array>

namespace tirnel::render {

namespace {

template <typename T>
std::unique_ptr<Control> Make() {
    return std::make_unique<Hosted<T>>();
}

// Real input at the middle of the control: a move without buttons, or a left press.
void SendMouse(Control& control, QEvent::Type type, Qt::MouseButton button) {
    const QPointF middle(control.width() / 2.0, control.height() / 2.0);
    QMouseEvent event(type, middle, control.mapToGlobal(middle), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(&control, &event);
}

const std::array<RenderState, 3> kPointerStates = {{
    {"normal", [](Control&) {}},
    {"hover", [](Control& control) { SendMouse(control, QEvent::MouseMove, Qt::NoButton); }},
    {"down", [](Control& control) { SendMouse(control, QEvent::MouseButtonPress, Qt::LeftButton); }},
}};

const std::array<RenderTarget, 2> kTargets = {{
    {"progress", "uo1", &Make<uo>},
    {"option", "ua1", &Make<ua>, kPointerStates},
}};

}  // namespace

std::span<const RenderTarget> RenderTargets() { return kTargets; }

const RenderTarget* FindRenderTarget(const QString& name) {
    for (const RenderTarget& target : kTargets)
        if (name == QLatin1String(target.name)) return &target;
    return nullptr;
}

const RenderState* FindRenderState(const RenderTarget& target, const QString& name) {
    for (const RenderState& state : target.states)
        if (name == QLatin1String(state.name)) return &state;
    return nullptr;
}

}  // namespace tirnel::render
