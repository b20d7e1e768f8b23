#include "gen/Listener.h"

#include <QtTest>

#include <memory>

using gen::FIRE_EVENT;
using gen::Listener;

namespace {
// Collects the messages the logger writes while it lives, without their line trailers.
struct LogSpy {
    LogSpy() {
        gen::log::set_gui_appender([this](QString line) { lines << line.section("] ", -1); });
    }
    ~LogSpy() { gen::log::set_gui_appender({}); }
    QStringList lines;
};
} // namespace

class TstListener : public QObject {
    Q_OBJECT

private slots:
    void registrationAndLogs();
    void firing_data();
    void firing();
    void callablesChangingTheListener();
};

void TstListener::registrationAndLogs() {
    LogSpy spy;
    {
        Listener<int> anonymous, listener;
        listener.name = "tabs";
        QStringList calls;
        auto entry = [&calls](const QString& tag) {
            return [&calls, tag](const int& v) { calls << tag + QString::number(v); };
        };
        auto fired = [&](int v) {
            calls.clear();
            listener.fire_event(v, FIRE_EVENT::DIRECT);
            calls.sort(); // no promised order
            return calls;
        };
        const std::string added = listener += entry("a");
        listener += [&calls] { calls << "b"; }; // called without the value
        QCOMPARE(fired(1), (QStringList{"a1", "b"}));
        listener = entry("c");
        const std::string assigned = listener = entry("d");
        QCOMPARE(fired(2), QStringList{"d2"});
        QCOMPARE(listener.append("mine", entry("e")), std::string("mine"));
        listener.append("mine", entry("f"));
        QCOMPARE(fired(3), (QStringList{"d3", "f3"}));
        listener.set("h", entry("h"));
        QCOMPARE(fired(4), QStringList{"h4"});
        for (const std::string& name : {added, assigned})
            QVERIFY2(QRegularExpression("^[A-Z]{8}$").match(QString::fromStdString(name)).hasMatch(),
                     name.c_str());
    }
    QCOMPARE(spy.lines,
             (QStringList{"Listener::append 'mine' already appended!", "Listener::~Listener@tabs"}));
}

void TstListener::firing_data() {
    QTest::addColumn<bool>("queued");
    QTest::addColumn<bool>("withContext");
    QTest::addColumn<bool>("withEntry");
    QTest::addColumn<QString>("destroyed"); // "context" or "listener", before the event loop runs
    // An entry appended after firing sees ten times the value: it shows a call still queued.
    QTest::addColumn<QList<int>>("seen");
    const QList<int> none;
    QTest::newRow("direct") << false << true << true << QString() << QList<int>{1};
    QTest::newRow("queued") << true << true << true << QString() << QList<int>{1, 10};
    QTest::newRow("queued, null context") << true << false << true << QString() << none;
    QTest::newRow("queued, empty") << true << true << false << QString() << none;
    QTest::newRow("queued, context gone") << true << true << true << QString("context") << none;
    QTest::newRow("queued, listener gone") << true << true << true << QString("listener") << none;
}

void TstListener::firing() {
    QFETCH(bool, queued);
    QFETCH(bool, withContext);
    QFETCH(bool, withEntry);
    QFETCH(QString, destroyed);
    QFETCH(QList<int>, seen);
    auto context = std::make_unique<QObject>();
    auto listener = std::make_unique<Listener<int>>();
    if (withContext) listener->set_context(context.get());
    QList<int> calls;
    if (withEntry) *listener = [&](const int& v) { calls << v; };
    int value = 1;
    listener->fire_event(value, queued ? FIRE_EVENT::QUEUED : FIRE_EVENT::DIRECT);
    value = 2; // a queued call carries the value of its firing
    if (queued) QVERIFY(calls.isEmpty());
    if (destroyed == "context") context.reset();
    if (destroyed == "listener")
        listener.reset();
    else
        listener->append("late", [&](const int& v) { calls << 10 * v; });
    QCoreApplication::processEvents();
    std::sort(calls.begin(), calls.end());
    QCOMPARE(calls, seen);
    if (!context) QCOMPARE(listener->get_context(), nullptr); // forgotten, never dangling
}

void TstListener::callablesChangingTheListener() {
    Listener<int> listener;
    int replacement = 0, added = 0;
    const auto adder = [&] {
        for (int i = 0; i < 50; ++i) // enough to make the map rehash
            listener += [&] { ++added; };
    };
    // Adders around the remover: one before it rehashes the map mid-walk, one after it must be skipped.
    listener.append("a", adder);
    listener.append("b", [&] { listener.set("z", [&] { ++replacement; }); });
    listener.append("c", adder);
    listener.fire_event(0, FIRE_EVENT::DIRECT);
    // Entries removed meanwhile are never reached; entries added wait for the next firing.
    QCOMPARE(replacement + added, 0);
    QVERIFY(listener.size() == 1 && listener.contains("z"));
    listener.fire_event(0, FIRE_EVENT::DIRECT);
    QCOMPARE(replacement, 1);

    auto doomed = std::make_unique<Listener<int>>();
    int after = 0;
    doomed->append("a", [&] { doomed.reset(); });
    doomed->append("b", [&] { doomed.reset(); });
    doomed->append("c", [&] { ++after; });
    doomed->fire_event(0, FIRE_EVENT::DIRECT);
    QVERIFY(!doomed);
    QVERIFY(after <= 1); // "c" runs only if it came before the destroying entry
}

QTEST_GUILESS_MAIN(TstListener)
#include "tst_Listener.moc"
