#include "platform/MessageHooks.h"

#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/LeaveTracking.h"

#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>

namespace tirnel {

namespace {

struct Hook {
    QObject* mOwner = nullptr;
    const QObject* mWindow = nullptr;
    SubclassProc mProc;
    bool mLive = true;
    bool mAfterEvery = false;
    std::vector<std::int32_t> mAfterTable;
    bool mBeforeEvery = false;
    std::vector<std::int32_t> mBeforeTable;
};
using HookRef = std::shared_ptr<Hook>;

struct Chain {
    std::int32_t mHandle = 0;
    std::vector<HookRef> mHooks;  // installation order, the first nearest the window
    QMetaObject::Connection mGone;
};

struct OwnerTable {
    std::vector<HookRef> mRecords;  // null marks a free record
    QMetaObject::Connection mGone;
};

// Everything lives on the user-interface thread. A dispatch works on a copy of the chain
// and holds its hooks, so records may go at any moment without pulling anything from
// under a running message.
struct Registry {
    std::unordered_map<const QObject*, std::shared_ptr<Chain>> mChains;
    std::unordered_map<const QObject*, OwnerTable> mOwners;
    std::int32_t mNextHandle = 0x10;
};

// Never destroyed: a window may still go after static objects are gone.
Registry& Hooks() {
    static auto* registry = new Registry;
    return *registry;
}

bool CanBeHooked(const QWidget* window) {
    return qobject_cast<const Control*>(window) != nullptr || qobject_cast<const Form*>(window) != nullptr;
}

void Release(const HookRef& hook) {
    hook->mLive = false;
    const auto chain = Hooks().mChains.find(hook->mWindow);
    if (chain == Hooks().mChains.end()) return;
    auto& hooks = chain->second->mHooks;
    hooks.erase(std::remove(hooks.begin(), hooks.end(), hook), hooks.end());
}

void OwnerGone(const QObject* owner) {
    const auto found = Hooks().mOwners.find(owner);
    if (found == Hooks().mOwners.end()) return;
    for (const HookRef& hook : found->second.mRecords)
        if (hook) Release(hook);
    Hooks().mOwners.erase(found);
}

// The window goes with its chain; its owners' records of it become free.
void WindowGone(const QObject* window) {
    const auto found = Hooks().mChains.find(window);
    if (found == Hooks().mChains.end()) return;
    const std::shared_ptr<Chain> chain = found->second;
    Hooks().mChains.erase(found);
    for (const HookRef& hook : chain->mHooks) {
        hook->mLive = false;
        const auto owner = Hooks().mOwners.find(hook->mOwner);
        if (owner == Hooks().mOwners.end()) continue;
        for (HookRef& record : owner->second.mRecords)
            if (record == hook) record.reset();
    }
}

Chain& ChainOf(QWidget* window) {
    auto& chain = Hooks().mChains[window];
    if (!chain) {
        chain = std::make_shared<Chain>();
        chain->mHandle = Hooks().mNextHandle++;
        chain->mGone = QObject::connect(window, &QObject::destroyed, [](QObject* gone) { WindowGone(gone); });
    }
    return *chain;
}

OwnerTable& OwnerTableOf(QObject* owner) {
    auto [found, added] = Hooks().mOwners.try_emplace(owner);
    if (added)
        found->second.mGone = QObject::connect(owner, &QObject::destroyed, [](QObject* gone) { OwnerGone(gone); });
    return found->second;
}

HookRef RecordOf(QObject* owner, const QWidget* window) {
    const int index = FindWindowSlot(owner, window, false);
    if (index == kNotHooked) return nullptr;
    return Hooks().mOwners[owner].mRecords[static_cast<std::size_t>(index)];
}

void AddTo(bool& every, std::vector<std::int32_t>& table, std::int32_t uMsg) {
    if (uMsg == kEveryMessage) {
        every = true;
        return;
    }
    if (std::find(table.begin(), table.end(), uMsg) != table.end()) return;
    const auto free = std::find(table.begin(), table.end(), 0);
    if (free != table.end()) {
        *free = uMsg;
    } else {
        table.push_back(uMsg);
    }
}

void RemoveFrom(bool& every, std::vector<std::int32_t>& table, std::int32_t uMsg) {
    if (uMsg == kEveryMessage) {
        every = false;
        return;
    }
    std::replace(table.begin(), table.end(), uMsg, 0);
}

// Free entries match no message, not even 0.
bool Watches(bool every, const std::vector<std::int32_t>& table, std::int32_t uMsg) {
    return every || (uMsg != 0 && std::find(table.begin(), table.end(), uMsg) != table.end());
}

struct Message {
    std::int32_t hWnd;
    std::int32_t uMsg;
    std::int32_t wParam;
    std::int32_t lParam;
};

void Stage(Hook& hook, bool bBefore, bool& bHandled, std::int32_t& lReturn, Message& message) {
    if (!hook.mLive) return;
    const bool watched = bBefore ? Watches(hook.mBeforeEvery, hook.mBeforeTable, message.uMsg)
                                 : Watches(hook.mAfterEvery, hook.mAfterTable, message.uMsg);
    if (!watched) return;
    // The callback may unhook this very hook; hold the callable while it runs.
    const SubclassProc proc = hook.mProc;
    proc(bBefore, bHandled, lReturn, message.hWnd, message.uMsg, message.wParam, message.lParam);
}

// One hook of the chain and everything inside it; level -1 is the window's own handling.
std::int32_t Forward(const std::vector<HookRef>& chain, int level, Message message, const WindowProc& own) {
    if (level < 0) return own(message.hWnd, message.uMsg, message.wParam, message.lParam);
    Hook& hook = *chain[static_cast<std::size_t>(level)];
    bool bHandled = false;
    std::int32_t lReturn = 0;
    Stage(hook, true, bHandled, lReturn, message);
    if (bHandled) return lReturn;
    lReturn = Forward(chain, level - 1, message, own);
    Stage(hook, false, bHandled, lReturn, message);
    return lReturn;
}

std::int32_t PointerKeys(const QMouseEvent& event) {
    std::int32_t keys = 0;
    if (event.buttons() & Qt::LeftButton) keys |= kMkLButton;
    if (event.buttons() & Qt::RightButton) keys |= kMkRButton;
    if (event.buttons() & Qt::MiddleButton) keys |= kMkMButton;
    if (event.modifiers() & Qt::ShiftModifier) keys |= kMkShift;
    if (event.modifiers() & Qt::ControlModifier) keys |= kMkControl;
    return keys;
}

std::int32_t PointerPosition(const QMouseEvent& event) {
    const auto x = static_cast<std::uint32_t>(static_cast<std::int32_t>(std::floor(event.position().x())));
    const auto y = static_cast<std::uint32_t>(static_cast<std::int32_t>(std::floor(event.position().y())));
    return static_cast<std::int32_t>((x & 0xFFFFu) | (y & 0xFFFFu) << 16);
}

}  // namespace

int SubclassWindow(QObject* owner, QWidget* window, SubclassProc proc) {
    if (!owner || !window || !CanBeHooked(window)) return kNotHooked;
    auto hook = std::make_shared<Hook>();
    hook->mOwner = owner;
    hook->mWindow = window;
    hook->mProc = std::move(proc);
    ChainOf(window).mHooks.push_back(hook);

    OwnerTable& table = OwnerTableOf(owner);
    int index = FindWindowSlot(owner, window, true);
    if (index == kNotHooked) {
        table.mRecords.push_back(nullptr);
        index = static_cast<int>(table.mRecords.size()) - 1;
    }
    table.mRecords[static_cast<std::size_t>(index)] = std::move(hook);
    return index;
}

int WatchMessage(QObject* owner, const QWidget* window, std::int32_t uMsg, int When) {
    const HookRef hook = RecordOf(owner, window);
    if (!hook) return kNotHooked;
    if (When & kWhenBefore) AddTo(hook->mBeforeEvery, hook->mBeforeTable, uMsg);
    if (When & kWhenAfter) AddTo(hook->mAfterEvery, hook->mAfterTable, uMsg);
    return FindWindowSlot(owner, window, false);
}

int UnwatchMessage(QObject* owner, const QWidget* window, std::int32_t uMsg, int When) {
    const HookRef hook = RecordOf(owner, window);
    if (!hook) return kNotHooked;
    if (When & kWhenBefore) RemoveFrom(hook->mBeforeEvery, hook->mBeforeTable, uMsg);
    if (When & kWhenAfter) RemoveFrom(hook->mAfterEvery, hook->mAfterTable, uMsg);
    return FindWindowSlot(owner, window, false);
}

int UnsubclassWindow(QObject* owner, const QWidget* window) {
    const int index = FindWindowSlot(owner, window, false);
    if (index == kNotHooked) return kNotHooked;
    HookRef& record = Hooks().mOwners[owner].mRecords[static_cast<std::size_t>(index)];
    Release(record);
    record.reset();
    return index;
}

void UnsubclassAll(QObject* owner) {
    const auto found = Hooks().mOwners.find(owner);
    if (found == Hooks().mOwners.end()) return;
    auto& records = found->second.mRecords;
    for (std::size_t i = records.size(); i-- > 0;) {
        if (!records[i]) continue;
        Release(records[i]);
        records[i].reset();
    }
}

int FindWindowSlot(QObject* owner, const QWidget* window, bool ForAdding) {
    const auto found = Hooks().mOwners.find(owner);
    if (found == Hooks().mOwners.end()) return kNotHooked;
    const auto& records = found->second.mRecords;
    for (std::size_t i = records.size(); i-- > 0;) {
        const bool free = !records[i];
        if (ForAdding ? free : (!free && records[i]->mWindow == window)) return static_cast<int>(i);
    }
    return kNotHooked;
}

bool HookTablesOf(QObject* owner, const QWidget* window, HookTables& tables) {
    const HookRef hook = RecordOf(owner, window);
    if (!hook) return false;
    tables.afterTable = hook->mAfterTable;
    tables.afterCount = hook->mAfterEvery ? kEveryMessage : static_cast<std::int32_t>(hook->mAfterTable.size());
    tables.beforeTable = hook->mBeforeTable;
    tables.beforeCount = hook->mBeforeEvery ? kEveryMessage : static_cast<std::int32_t>(hook->mBeforeTable.size());
    return true;
}

bool IsHooked(const QWidget* window) {
    const auto found = Hooks().mChains.find(window);
    return found != Hooks().mChains.end() && !found->second->mHooks.empty();
}

std::int32_t WindowHandle(const QWidget* window) {
    const auto found = Hooks().mChains.find(window);
    return found == Hooks().mChains.end() ? 0 : found->second->mHandle;
}

std::int32_t SendThroughHooks(QWidget* window, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam,
                              const WindowProc& own) {
    const auto found = Hooks().mChains.find(window);
    if (found == Hooks().mChains.end()) return own(0, uMsg, wParam, lParam);
    // The hooks as they stand now; the copy keeps removed ones alive until this returns.
    const std::vector<HookRef> chain = found->second->mHooks;
    const Message message{found->second->mHandle, uMsg, wParam, lParam};
    return Forward(chain, static_cast<int>(chain.size()) - 1, message, own);
}

bool RouteEvent(QWidget* window, QEvent* event, bool frameWindow, const std::function<bool()>& ownHandling) {
    const QEvent::Type type = event->type();
    const bool activation = frameWindow && (type == QEvent::WindowActivate || type == QEvent::WindowDeactivate);
    // A leave becomes 0x2A3 only when one was asked for (LeaveTracking.h).
    const bool leave = type == QEvent::Leave && IsHooked(window) && TakeLeaveRequest(window);
    const bool translated = activation || type == QEvent::MouseMove || leave;
    if (!translated || !IsHooked(window)) return ownHandling();

    bool ran = false;
    bool handled = false;
    const WindowProc own = [&](std::int32_t, std::int32_t, std::int32_t, std::int32_t) -> std::int32_t {
        ran = true;
        handled = ownHandling();
        return 0;
    };
    if (activation) {
        const std::int32_t active = type == QEvent::WindowActivate ? 1 : 0;
        SendThroughHooks(window, kWmNcActivate, active, 0, [](std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
            return std::int32_t{1};
        });
        SendThroughHooks(window, kWmActivate, active, 0, own);
    } else if (type == QEvent::MouseMove) {
        const auto& move = static_cast<const QMouseEvent&>(*event);
        SendThroughHooks(window, kWmMouseMove, PointerKeys(move), PointerPosition(move), own);
    } else {
        SendThroughHooks(window, kWmMouseLeave, 0, 0, own);
    }
    if (ran) return handled;
    // A hook stopped it: the event goes no further, not to the parent either.
    event->accept();
    return true;
}

}  // namespace tirnel
