#pragma once

// Named callbacks: each event source owns a Listener<T> and fires it with a
// value; users attach callables with `=` (replace all) or `+=` (add one).

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

// Something that may carry a name for diagnostics.
class Nameable {
public:
    virtual ~Nameable() = default;
    std::string name;
};

enum class FIRE_EVENT {
    DIRECT, // the callables run now, on the firing thread
    QUEUED  // one call is posted to the context object's thread
};

// One attached callable: either it takes the value or it takes nothing.
template <typename T>
struct ListenerItem {
    std::function<void(const T&)> callable;
    std::string name;
    bool active = true;
    std::function<void()> callableNoArg;
};

template <typename T>
class Listener : public Nameable {
public:
    using Callable = std::function<void(const T&)>;
    using CallableNoArg = std::function<void()>;

    Listener() = default;
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    ~Listener() override {
        *alive = false;
        if (!name.empty()) pp("Listener::~Listener@$", name);
    }

    // Removes every entry, then stores `f` as the only one under `entryName`.
    std::string set(const std::string& entryName, Callable f) {
        return replace_all(entryName, std::move(f), {});
    }
    std::string set(const std::string& entryName, CallableNoArg f) {
        return replace_all(entryName, {}, std::move(f));
    }

    // Adds `f` under `entryName`; an entry of that name is replaced, with a warning.
    std::string append(const std::string& entryName, Callable f) { return add(entryName, std::move(f), {}); }
    std::string append(const std::string& entryName, CallableNoArg f) {
        return add(entryName, {}, std::move(f));
    }

    // Replace all or add one under a fresh random name, which is returned so
    // the caller can replace its own entry later with append().
    std::string operator=(Callable f) { return set(fresh_name(), std::move(f)); }
    std::string operator=(CallableNoArg f) { return set(fresh_name(), std::move(f)); }
    std::string operator+=(Callable f) { return append(fresh_name(), std::move(f)); }
    std::string operator+=(CallableNoArg f) { return append(fresh_name(), std::move(f)); }

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

    // The object whose thread runs queued firings; an owner that fires queued
    // sets it to itself. Not owned; forgotten when destroyed.
    void set_context(QObject* object) { context = object; }
    QObject* get_context() const { return context.data(); }

    bool is_empty() const { return entries.empty(); }
    std::size_t size() const { return entries.size(); }
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
