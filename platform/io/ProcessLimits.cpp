#include "platform/io/ProcessLimits.h"

#include <algorithm>
#include <csignal>

#if defined(__unix__) || defined(__APPLE__)
#include <signal.h>
#include <sys/resource.h>
#define TIRNEL_HAS_RLIMIT 1
#define TIRNEL_HAS_SIGACTION 1
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

namespace {
// A stop signal interrupts the system call it arrives in (no SA_RESTART), so no call the run
// waits in can outlast the user's Ctrl+C; the run sees EINTR and then its stop flag.
void Route(int signal, void (*handler)(int)) {
#ifdef TIRNEL_HAS_SIGACTION
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    ::sigaction(signal, &action, nullptr);
#else
    std::signal(signal, handler);
#endif
}
}  // namespace

void RouteStopSignals(void (*handler)(int)) {
    Route(SIGINT, handler);
    Route(SIGTERM, handler);
#ifdef SIGHUP
    Route(SIGHUP, handler);
#endif
#ifdef SIGQUIT
    Route(SIGQUIT, handler);
#endif
    IgnoreFileSizeSignal();
}

}  // namespace tirnel
