#include "gen/Listener.h"

#include <QtTest>

#include <QSize>

#include <memory>

using gen::FIRE_EVENT;
using gen::Listener;

namespace {

// Collects every DEBUG line the logger writes while it lives.
class LogSpy {
public:
    LogSpy() {
        gen::log::set_gui_appender([this](QString line) { lines << line; });
    }
    ~LogSpy() { gen::log::set_gui_appender({}); }
    QStringList lines;
};

} // namespace

class TstListener : public QObject {
    Q_OBJECT

private slots:
    void registration_data();
    void registration();
    void appendUnderExistingNameWarnsAndReplaces();
    void returnedNamesAreEightCapitals();
    void noArgumentCallableIsCalledWithoutValue();
    void valueTypes();
    void callableReplacingEntriesDuringDelivery();
    void callableAddingEntriesDuringDelivery();
    void callableDestroyingTheListener();
    void queuedRunsLaterWithValueAtFiringTime();
    void queuedWithoutContextOrEntriesPostsNothing();
    void queuedDroppedWhenContextDestroyed();
    void queuedDroppedWhenListenerDestroyed();
    void destructorLogsOnlyWhenNamed();
};

void TstListener::registration_data() {
    QTest::addColumn<QString>("ops"); // a sequence of: '=' set via operator=, '+' via +=, 's' set("h")
    QTest::addColumn<QString>("expectedCalls");
    QTest::newRow("= then =: only the last") << "=="
                                             << "b";
    QTest::newRow("+= twice: both") << "++"
                                    << "ab";
    QTest::newRow("= then +=") << "=+"
                               << "ab";
    QTest::newRow("+= then =") << "+="
                               << "b";
    QTest::newRow("set after several +=") << "+++s"
                                          << "d";
    QTest::newRow("nothing attached") << ""
                                      << "";
}

void TstListener::registration() {
    QFETCH(QString, ops);
    QFETCH(QString, expectedCalls);
    Listener<int> listener;
    QString calls;
    char tag = 'a';
    for (QChar op : ops) {
        const char mine = tag++;
        auto f = std::function<void(const int&)>([&calls, mine](const int& v) {
            QCOMPARE(v, 7);
            calls += QChar(mine);
        });
        if (op == '=') listener = f;
        if (op == '+') listener += f;
        if (op == 's') listener.set("h", f);
    }
    listener.fire_event(7, FIRE_EVENT::DIRECT);
    std::sort(calls.begin(), calls.end()); // no promised order
    QCOMPARE(calls, expectedCalls);
    QCOMPARE(int(listener.size()), expectedCalls.size());
}

void TstListener::appendUnderExistingNameWarnsAndReplaces() {
    Listener<int> listener;
    QString calls;
    LogSpy spy;
    QCOMPARE(listener.append("mine", [&] { calls += 'f'; }), std::string("mine"));
    QVERIFY(spy.lines.isEmpty());
    QCOMPARE(listener.append("mine", [&] { calls += 'g'; }), std::string("mine"));
    QCOMPARE(spy.lines.size(), 1);
    QVERIFY(spy.lines[0].endsWith("Listener::append 'mine' already appended!"));
    listener.fire_event(0, FIRE_EVENT::DIRECT);
    QCOMPARE(calls, QString("g"));
    QCOMPARE(listener.size(), std::size_t(1));
}

void TstListener::returnedNamesAreEightCapitals() {
    Listener<int> listener;
    const std::string first = (listener += [] {});
    const std::string second = (listener += [] {});
    const QRegularExpression capitals("^[A-Z]{8}$");
    QVERIFY(capitals.match(QString::fromStdString(first)).hasMatch());
    QVERIFY(capitals.match(QString::fromStdString(second)).hasMatch());
    QVERIFY(first != second);
    QVERIFY(listener.contains(first) && listener.contains(second));
    // The returned name lets the caller replace its own entry.
    int which = 0;
    listener.append(first, [&] { which = 1; });
    QCOMPARE(listener.size(), std::size_t(2));
    listener.fire_event(0, FIRE_EVENT::DIRECT);
    QCOMPARE(which, 1);
}

void TstListener::noArgumentCallableIsCalledWithoutValue() {
    Listener<QString> listener;
    int bare = 0;
    QString seen;
    listener += [&] { ++bare; };
    listener += [&](const QString& v) { seen = v; };
    listener.fire_event(QStringLiteral("v"), FIRE_EVENT::DIRECT);
    QCOMPARE(bare, 1);
    QCOMPARE(seen, QString("v"));
}

void TstListener::valueTypes() {
    Listener<float> f;
    Listener<bool> b;
    Listener<unsigned int> u;
    Listener<QSize> s;
    Listener<QObject*> p;
    float fv = 0;
    bool bv = false;
    unsigned int uv = 0;
    QSize sv;
    QObject* pv = nullptr;
    f = [&](const float& v) { fv = v; };
    b = [&](const bool& v) { bv = v; };
    u = [&](const unsigned int& v) { uv = v; };
    s = [&](const QSize& v) { sv = v; };
    p = [&](QObject* const& v) { pv = v; };
    f.fire_event(2.5f, FIRE_EVENT::DIRECT);
    b.fire_event(true, FIRE_EVENT::DIRECT);
    u.fire_event(4000000000u, FIRE_EVENT::DIRECT);
    s.fire_event(QSize(3, 4), FIRE_EVENT::DIRECT);
    p.fire_event(this, FIRE_EVENT::DIRECT);
    QCOMPARE(fv, 2.5f);
    QCOMPARE(bv, true);
    QCOMPARE(uv, 4000000000u);
    QCOMPARE(sv, QSize(3, 4));
    QCOMPARE(pv, static_cast<QObject*>(this));
}

void TstListener::callableReplacingEntriesDuringDelivery() {
    Listener<int> listener;
    int others = 0;
    int replacement = 0;
    listener.append("a", [&] { listener.set("z", [&] { ++replacement; }); });
    listener.append("b", [&] { ++others; });
    listener.append("c", [&] { ++others; });
    listener.fire_event(0, FIRE_EVENT::DIRECT);
    // Whichever ran before "a" may have run; nothing removed runs afterwards,
    // and the entry added meanwhile waits for the next firing.
    QVERIFY(others <= 2);
    QCOMPARE(replacement, 0);
    QCOMPARE(listener.size(), std::size_t(1));
    listener.fire_event(0, FIRE_EVENT::DIRECT);
    QCOMPARE(replacement, 1);
}

void TstListener::callableAddingEntriesDuringDelivery() {
    Listener<int> listener;
    int added = 0;
    int firings = 0;
    listener += [&] {
        ++firings;
        for (int i = 0; i < 50; ++i) // enough to make the map rehash
            listener += [&] { ++added; };
    };
    listener.fire_event(0, FIRE_EVENT::DIRECT);
    QCOMPARE(firings, 1);
    QCOMPARE(added, 0);
    QCOMPARE(listener.size(), std::size_t(51));
}

void TstListener::callableDestroyingTheListener() {
    auto listener = std::make_unique<Listener<int>>();
    int after = 0;
    listener->append("a", [&] { listener.reset(); });
    listener->append("b", [&] { listener.reset(); });
    listener->append("c", [&] { ++after; });
    listener->fire_event(0, FIRE_EVENT::DIRECT);
    QVERIFY(!listener);
    QVERIFY(after <= 1); // "c" runs only if it came before the destroying entry
}

void TstListener::queuedRunsLaterWithValueAtFiringTime() {
    QObject context;
    Listener<int> listener;
    listener.set_context(&context);
    QList<int> seen;
    listener = [&](const int& v) { seen << v; };
    listener.fire_event(1, FIRE_EVENT::QUEUED);
    listener.fire_event(2, FIRE_EVENT::QUEUED);
    QVERIFY(seen.isEmpty());
    // Entries are read when the delivery runs, not when it was posted.
    listener.append("late", [&](const int& v) { seen << 10 * v; });
    QCoreApplication::processEvents();
    std::sort(seen.begin(), seen.end());
    QCOMPARE(seen, (QList<int>{1, 2, 10, 20}));
}

void TstListener::queuedWithoutContextOrEntriesPostsNothing() {
    int calls = 0;
    Listener<int> noContext;
    noContext = [&] { ++calls; };
    noContext.fire_event(1, FIRE_EVENT::QUEUED);
    QCoreApplication::processEvents();
    QCOMPARE(calls, 0);

    // A posted delivery would be an event for the context object.
    class Counter : public QObject {
    public:
        int events = 0;
        bool event(QEvent* e) override {
            ++events;
            return QObject::event(e);
        }
    } counter;
    Listener<int> emptyOnCounter;
    emptyOnCounter.set_context(&counter);
    emptyOnCounter.fire_event(1, FIRE_EVENT::QUEUED);
    QCoreApplication::processEvents();
    QCOMPARE(counter.events, 0);
    emptyOnCounter = [] {};
    emptyOnCounter.fire_event(1, FIRE_EVENT::QUEUED);
    QCoreApplication::processEvents();
    QCOMPARE(counter.events, 1);
}

void TstListener::queuedDroppedWhenContextDestroyed() {
    int calls = 0;
    Listener<int> listener;
    {
        QObject context;
        listener.set_context(&context);
        listener = [&] { ++calls; };
        listener.fire_event(1, FIRE_EVENT::QUEUED);
    }
    QCoreApplication::processEvents();
    QCOMPARE(calls, 0);
    QCOMPARE(listener.get_context(), nullptr);
    listener.fire_event(2, FIRE_EVENT::QUEUED); // a forgotten context posts nothing
    QCoreApplication::processEvents();
    QCOMPARE(calls, 0);
}

void TstListener::queuedDroppedWhenListenerDestroyed() {
    QObject context;
    int calls = 0;
    {
        Listener<int> listener;
        listener.set_context(&context);
        listener = [&] { ++calls; };
        listener.fire_event(1, FIRE_EVENT::QUEUED);
    }
    QCoreApplication::processEvents();
    QCOMPARE(calls, 0);
}

void TstListener::destructorLogsOnlyWhenNamed() {
    LogSpy spy;
    { Listener<int> anonymous; }
    QVERIFY(spy.lines.isEmpty());
    {
        Listener<int> named;
        named.name = "tabs";
    }
    QCOMPARE(spy.lines.size(), 1);
    QVERIFY(spy.lines[0].endsWith("Listener::~Listener@tabs"));
}

QTEST_GUILESS_MAIN(TstListener)
#include "tst_Listener.moc"
