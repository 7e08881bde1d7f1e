#include "platform/io/FaultPoint.h"

#include <atomic>

namespace tirnel {

namespace {
std::atomic<FaultHook> sHook{nullptr};
}  // namespace

void SetFaultHook(FaultHook hook) { sHook.store(hook); }

void FaultPoint(std::string_view point) {
    if (const FaultHook hook = sHook.load()) hook(point);
}

}  // namespace tirnel
