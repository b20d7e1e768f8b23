#pragma once

/// \file
/// Named callbacks: each event source owns a Listener<T> and fires it with a
/// value; users attach callables with `=` (replace all) or `+=` (add one).

#include "gen/GLog.h"
#include "gen/XTools_rand.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace gen {

/// Something that may carry a name for diagnostics.
class Nameable {
public:
    virtual ~Nameable() = default;
    /// Empty by default; a listener with a name logs its destruction at DEBUG.
    std::string name;
};

/// How Listener::fire_event() delivers a value.
enum class FIRE_EVENT {
    DIRECT, ///< the callables run now, on the firing thread
    QUEUED  ///< one call is posted to the context object's thread
};

/// One attached callable as a Listener stores it: either it takes the value or it takes nothing.
template <typename T>
struct ListenerItem {
    /// The callable that takes the value; empty for one that takes nothing.
    std::function<void(const T&)> callable;
    /// The entry's name, the key it is stored under.
    std::string name;
    /// An inactive entry is skipped; the listener makes every entry active.
    bool active = true;
    /// The callable that takes nothing; used only when `callable` is empty.
    std::function<void()> callableNoArg;
};

/// The named callbacks of one event, fired with a value of type T.
///
/// Each entry has a name; `=` and set() replace all entries, `+=` and append()
/// add one. The order in which entries run is unspecified. A callable may
/// attach, replace or clear entries of its own listener, or destroy it, while
/// it runs: it finishes as a copy, entries removed meanwhile are skipped, an
/// entry attached under a new name first runs at the next firing, and once the
/// listener is gone nothing further runs. Not thread-safe: attach and fire on
/// the thread that owns the listener; FIRE_EVENT::QUEUED moves the callables
/// to the context object's thread.
template <typename T>
class Listener : public Nameable {
public:
    /// A callable that takes the fired value.
    using Callable = std::function<void(const T&)>;
    /// A callable that ignores the fired value.
    using CallableNoArg = std::function<void()>;

    /// An empty listener without a context.
    Listener() = default;
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    /// Queued firings still on their way are dropped.
    ~Listener() override {
        *alive = false;
        if (!name.empty()) pp("Listener::~Listener@$", name);
    }

    /// Removes every entry, then stores `f` as the only one under `entryName`,
    /// which it returns. An empty `f` leaves one entry that does nothing.
    std::string set(const std::string& entryName, Callable f) {
        return replace_all(entryName, std::move(f), {});
    }
    /// The same for a callable that ignores the value.
    std::string set(const std::string& entryName, CallableNoArg f) {
        return replace_all(entryName, {}, std::move(f));
    }

    /// Adds `f` under `entryName`, which it returns; an entry of that name is
    /// replaced, with a DEBUG line.
    std::string append(const std::string& entryName, Callable f) { return add(entryName, std::move(f), {}); }
    /// The same for a callable that ignores the value.
    std::string append(const std::string& entryName, CallableNoArg f) {
        return add(entryName, {}, std::move(f));
    }

    /// Replaces all entries by `f` under a fresh random name, which is returned
    /// so the caller can replace its own entry later with append(). The name
    /// is drawn from gen::rnd's engine, which therefore advances.
    std::string operator=(Callable f) { return set(fresh_name(), std::move(f)); }
    /// The same for a callable that ignores the value.
    std::string operator=(CallableNoArg f) { return set(fresh_name(), std::move(f)); }
    /// Adds `f` under a fresh random name, drawn as for operator=(), and returns the name.
    std::string operator+=(Callable f) { return append(fresh_name(), std::move(f)); }
    /// The same for a callable that ignores the value.
    std::string operator+=(CallableNoArg f) { return append(fresh_name(), std::move(f)); }

    /// Runs every entry with `value`. DIRECT runs them now; QUEUED posts one
    /// call, holding a copy of `value`, to the context object's thread and
    /// runs the entries there as they are then. A queued firing without a
    /// context, or whose listener or context is gone before it runs, is
    /// dropped. Nothing happens while there are no entries.
    void fire_event(const T& value, FIRE_EVENT mode) {
        if (entries.empty()) return;
        if (mode == FIRE_EVENT::DIRECT) {
            deliver(value);
            return;
        }
        if (!context) return;
        // The listener may be gone by the time the call runs; the token says so.
        std::weak_ptr<bool> token = alive;
        QMetaObject::invokeMethod(
            context.data(),
            [this, token, value]() {
                const auto flag = token.lock();
                if (flag && *flag) deliver(value);
            },
            Qt::QueuedConnection);
    }

    /// The object whose thread runs queued firings; an owner that fires queued
    /// sets it to itself. Not owned; forgotten when destroyed.
    void set_context(QObject* object) { context = object; }
    /// The context, or null when none was set or it was destroyed.
    QObject* get_context() const { return context.data(); }

    /// True while no entry is attached; owners test it to skip building a value nobody gets.
    bool is_empty() const { return entries.empty(); }
    /// The number of entries.
    std::size_t size() const { return entries.size(); }
    /// Whether an entry of that name is attached.
    bool contains(const std::string& entryName) const { return entries.count(entryName) != 0; }

private:
    std::string replace_all(const std::string& entryName, Callable f, CallableNoArg g) {
        entries.clear();
        entries.emplace(entryName, ListenerItem<T>{std::move(f), entryName, true, std::move(g)});
        return entryName;
    }

    std::string add(const std::string& entryName, Callable f, CallableNoArg g) {
        auto it = entries.find(entryName);
        if (it != entries.end()) {
            pp("Listener::append '$' already appended!", entryName);
            it->second = ListenerItem<T>{std::move(f), entryName, true, std::move(g)};
        } else {
            entries.emplace(entryName, ListenerItem<T>{std::move(f), entryName, true, std::move(g)});
        }
        return entryName;
    }

    static std::string fresh_name() { return rnd::next_string(8, true, 1); }

    // Walks the names as they were when firing began. A callable may attach,
    // replace or clear entries, or even destroy this listener: entries removed
    // meanwhile are skipped, and nothing is touched once the listener is gone.
    void deliver(const T& value) {
        std::vector<std::string> names;
        names.reserve(entries.size());
        for (const auto& entry : entries)
            names.push_back(entry.first);
        const std::shared_ptr<bool> token = alive;
        for (const std::string& entryName : names) {
            if (!*token) return;
            const auto it = entries.find(entryName);
            if (it == entries.end()) continue;
            const ListenerItem<T> item = it->second;
            if (!item.active) continue;
            if (item.callable)
                item.callable(value);
            else if (item.callableNoArg)
                item.callableNoArg();
        }
    }

    std::unordered_map<std::string, ListenerItem<T>> entries;
    QPointer<QObject> context;
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
};

} // namespace gen
