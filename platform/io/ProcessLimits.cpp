#include "platform/io/ProcessLimits.h"

#include <algorithm>
#include <csignal>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/resource.h>
#define TIRNEL_HAS_RLIMIT 1
#endif

namespace tirnel {

namespace {

// What the rest of the process (the window, its libraries, standard streams) may need.
constexpr std::int64_t kReserved = 256;
// Raising beyond this buys nothing a run needs.
constexpr std::int64_t kEnough = 1 << 16;

std::int64_t ComputeAllowance() {
#ifdef TIRNEL_HAS_RLIMIT
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0) return 0;
    const rlim_t wanted = std::min<rlim_t>(limit.rlim_max, kEnough);
    if (limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < wanted) {
        rlimit raised = limit;
        raised.rlim_cur = wanted;
        if (::setrlimit(RLIMIT_NOFILE, &raised) == 0) limit = raised;
    }
    const std::int64_t current =
        limit.rlim_cur == RLIM_INFINITY ? kEnough : static_cast<std::int64_t>(std::min<rlim_t>(limit.rlim_cur, kEnough));
    return std::max<std::int64_t>(0, current - kReserved);
#else
    return 0;
#endif
}

}  // namespace

std::int64_t OpenFileAllowance() {
    static const std::int64_t allowance = ComputeAllowance();
    return allowance;
}

void IgnoreFileSizeSignal() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

void RouteStopSignals(void (*handler)(int)) {
    std::signal(SIGINT, handler);
    std::signal(SIGTERM, handler);
#ifdef SIGHUP
    std::signal(SIGHUP, handler);
#endif
#ifdef SIGQUIT
    std::signal(SIGQUIT, handler);
#endif
    IgnoreFileSizeSignal();
}

}  // namespace tirnel
