#include "tools/render/RenderTargets.h"

#include "controls/progress/uo.h"

#include <array>

namespace tirnel::render {

namespace {

template <typename T>
std::unique_ptr<Control> Make() {
    return std::make_unique<T>();
}

const std::array<RenderTarget, 1> kTargets = {{
    {"progress", "uo1", &Make<uo>},
}};

}  // namespace

std::span<const RenderTarget> RenderTargets() { return kTargets; }

const RenderTarget* FindRenderTarget(const QString& name) {
    for (const RenderTarget& target : kTargets)
        if (name == QLatin1String(target.name)) return &target;
    return nullptr;
}

}  // namespace tirnel::render
