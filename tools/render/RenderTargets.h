#pragma once
// The controls tirnel-render can draw: one table entry each, with the name given on the
// command line, how to make one, and the name its container would give the instance.

#include "platform/Control.h"

#include <QString>

#include <memory>
#include <span>

namespace tirnel::render {

struct RenderTarget {
    const char* name;
    const char* displayName;
    std::unique_ptr<Control> (*make)();
};

std::span<const RenderTarget> RenderTargets();
// The entry of that name, or nullptr.
const RenderTarget* FindRenderTarget(const QString& name);

}  // namespace tirnel::render
