#include "platform/MessageHooks.h"

#include <QObject>
#include <QWidget>

#include <algorithm>
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

// A window that takes hooks has a chain from then on; its handle is given at its first hook.
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

// The chain of a window that takes hooks; nullptr for any other.
Chain* ChainOf(const QWidget* window) {
    const auto found = Hooks().mChains.find(window);
    return found == Hooks().mChains.end() ? nullptr : found->second.get();
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

}  // namespace

void AcceptHooks(QWidget* window) {
    auto& chain = Hooks().mChains[window];
    if (chain) return;
    chain = std::make_shared<Chain>();
    chain->mGone = QObject::connect(window, &QObject::destroyed, [](QObject* gone) { WindowGone(gone); });
}

int SubclassWindow(QObject* owner, QWidget* window, SubclassProc proc) {
    Chain* chain = ChainOf(window);
    if (!owner || !chain) return kNotHooked;
    if (chain->mHandle == 0) chain->mHandle = Hooks().mNextHandle++;
    auto hook = std::make_shared<Hook>();
    hook->mOwner = owner;
    hook->mWindow = window;
    hook->mProc = std::move(proc);
    chain->mHooks.push_back(hook);

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
    const Chain* chain = ChainOf(window);
    return chain && !chain->mHooks.empty();
}

std::int32_t WindowHandle(const QWidget* window) {
    const Chain* chain = ChainOf(window);
    return chain ? chain->mHandle : 0;
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

}  // namespace tirnel
