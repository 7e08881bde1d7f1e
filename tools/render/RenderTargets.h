#pragma once
// The controls tirnel-render can draw: one table entry each, with the name given on the
// command line, how to make one, the name its container would give the instance and the
// states it can be drawn in (--state), such as the pointer over it.

#include "platform/Control.h"

#include <QString>

#include <memory>
#include <span>

namespace tirnel::render {

// A state a control is put into after loading, by the input that leads there.
struct RenderState {
    const char* name;
    void (*enter)(Control& control);
};

struct RenderTarget {
    const char* name;
    const char* displayName;
    std::unique_ptr<Control> (*make)();
    std::span<const RenderState> states = {};
};

std::span<const RenderTarget> RenderTargets();
// The entry of that name, or nullptr.
const RenderTarget* FindRenderTarget(const QString& name);
// The target's state of that name, or nullptr.
const RenderState* FindRenderState(const RenderTarget& target, const QString& name);

}  // namespace tirnel::render
