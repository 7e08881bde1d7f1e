#pragma once
// Per-window message hooks. A hook owner (a control) hooks a window that takes hooks (a
// Control or a Form: each says so when it is made) and names the message numbers it wants
// to see before and after the window's own handling; such a window translates its Qt
// events into those numbers and runs them through its chain of hooks (HookedEvents.h).
//
// The chain of a window holds its hooks in installation order, the first one nearest the
// window's own handling. A message passes every hook from the newest inwards, each hook
// giving its before-call, then reaches the window's own handling, then passes the hooks
// outwards again, each giving its after-call: before-calls newest first, after-calls
// oldest first. Each hook has its own handled flag and return value, both starting at 0:
// a before-call that sets bHandled stops the message there (the hooks nearer the window,
// the window's own handling and this hook's after-call do not run; the hooks further out
// still get their after-calls) and lReturn is what the hook hands outwards. Otherwise a
// hook's lReturn takes what came back from inside. A before-call may change the message;
// the hooks further in see the change, the window's own handling of a translated Qt event
// handles the event as it came.
//
// Hooks can be removed in any order, also from inside a call: a removed hook gets no
// further calls, not even later in the message being dispatched, and its record lives on
// until that dispatch returns. A hook added during a dispatch sees the next message. Hooks
// go when their owner or their window is destroyed.
//
// Each owner keeps a table of records, indices from 0, one per hook; a freed record is
// reused by the owner's next hook. Hooking one window twice makes two hooks; the calls
// that name a window act on its record with the highest index. A window without a record
// of the owner gives kNotHooked, never an exception.

#include <QtGlobal>

#include <cstdint>
#include <functional>
#include <vector>

class QObject;
class QWidget;

namespace tirnel {

inline constexpr std::int32_t kWmActivate = 0x0006;
inline constexpr std::int32_t kWmNcActivate = 0x0086;
inline constexpr std::int32_t kWmMouseMove = 0x0200;
inline constexpr std::int32_t kWmMouseLeave = 0x02A3;
// Watching this number watches every message.
inline constexpr std::int32_t kEveryMessage = -1;

// When a watched message reaches the hook: bits, 3 is both.
inline constexpr int kWhenAfter = 1;
inline constexpr int kWhenBefore = 2;

// Pointer-move wParam bits.
inline constexpr std::int32_t kMkLButton = 0x01;
inline constexpr std::int32_t kMkRButton = 0x02;
inline constexpr std::int32_t kMkShift = 0x04;
inline constexpr std::int32_t kMkControl = 0x08;
inline constexpr std::int32_t kMkMButton = 0x10;

inline constexpr int kNotHooked = -1;

// A hook's callback, the owner's zSubclass_Proc.
using SubclassProc = std::function<void(bool bBefore, bool& bHandled, std::int32_t& lReturn, std::int32_t& lng_hWnd,
                                        std::int32_t& uMsg, std::int32_t& wParam, std::int32_t& lParam)>;
// A window's own handling of a message; returns its result.
using WindowProc = std::function<std::int32_t(std::int32_t hWnd, std::int32_t uMsg, std::int32_t wParam,
                                              std::int32_t lParam)>;

// Makes window one that takes hooks, for its whole life.
void AcceptHooks(QWidget* window);
// Hooks window for owner, as the newest hook of the window's chain. Returns the record
// index, or kNotHooked when window does not take hooks.
int SubclassWindow(QObject* owner, QWidget* window, SubclassProc proc);
// Adds uMsg to the hook's before-table (When has kWhenBefore) and after-table (When has
// kWhenAfter). A number already there stays one entry; a free entry is reused before the
// table grows. Returns the record index or kNotHooked.
int WatchMessage(QObject* owner, const QWidget* window, std::int32_t uMsg, int When);
// Takes uMsg out of the selected tables: its entry becomes free (0); kEveryMessage stops
// watching every message. Returns the record index or kNotHooked.
int UnwatchMessage(QObject* owner, const QWidget* window, std::int32_t uMsg, int When);
// Unhooks the window's record with the highest index. Returns that index or kNotHooked.
int UnsubclassWindow(QObject* owner, const QWidget* window);
// Unhooks every window the owner still has a record of, highest index first.
void UnsubclassAll(QObject* owner);
// With ForAdding false, the highest index of a record of window; with ForAdding true, the
// highest index of a free record. kNotHooked when there is none.
int FindWindowSlot(QObject* owner, const QWidget* window, bool ForAdding);

// The tables of a hook: a count of -1 means every message; a free entry is 0.
struct HookTables {
    std::int32_t afterCount = 0;
    std::vector<std::int32_t> afterTable;
    std::int32_t beforeCount = 0;
    std::vector<std::int32_t> beforeTable;
};
// The tables of the window's record with the highest index; false when there is none.
bool HookTablesOf(QObject* owner, const QWidget* window, HookTables& tables);

// Whether any hook sits on the window.
bool IsHooked(const QWidget* window);
// The number hooks see as the window's handle: non-zero and fixed for the window's life
// once it was hooked; 0 for a window that never was.
std::int32_t WindowHandle(const QWidget* window);

// Runs one message through the window's hooks around own; returns the outermost lReturn.
// A window without hooks just runs own.
std::int32_t SendThroughHooks(QWidget* window, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam,
                              const WindowProc& own);

}  // namespace tirnel
