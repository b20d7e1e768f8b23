#include "gen/Listener.h"

#include <QtTest>

#include <memory>

using gen::FIRE_EVENT;
using gen::Listener;

namespace {
// Collects the lines the logger writes while it lives.
struct LogSpy {
    LogSpy() {
        gen::log::set_gui_appender([this](QString line) { lines << line; });
    }
    ~LogSpy() { gen::log::set_gui_appender({}); }
    QStringList lines;
};

// Counts the events delivered to it: a queued firing is one.
struct EventCounter : QObject {
    int events = 0;
    bool event(QEvent* e) override {
        ++events;
        return QObject::event(e);
    }
};
} // namespace

class TstListener : public QObject {
    Q_OBJECT

private slots:
    void registration_data();
    void registration();
    void appendUnderExistingNameWarnsAndReplaces();
    void changingEntriesDuringDelivery();
    void callableDestroyingTheListener();
    void queuedRunsLaterWithEntriesOfThatMoment();
    void queuedPostsNothingWithoutEntriesOrContext();
    void queuedDroppedWhenContextOrListenerDies();
    void destructorLogsOnlyWhenNamed();
};

void TstListener::registration_data() {
    QTest::addColumn<QString>("ops"); // '=' operator=, '+' operator+=, 's' set("h"), '0' += without argument
    QTest::addColumn<QString>("expectedCalls");
    QTest::newRow("= then =: only the last") << "=="
                                             << "b";
    QTest::newRow("+= twice: both") << "++"
                                    << "ab";
    QTest::newRow("+= then =") << "+="
                               << "b";
    QTest::newRow("set after several +=") << "+++s"
                                          << "d";
    QTest::newRow("no-argument callable") << "+0"
                                          << "ab";
    QTest::newRow("nothing attached") << ""
                                      << "";
}

void TstListener::registration() {
    QFETCH(QString, ops);
    QFETCH(QString, expectedCalls);
    Listener<QString> listener;
    QString calls;
    QStringList names;
    char tag = 'a';
    for (QChar op : ops) {
        const char mine = tag++;
        const std::function<void(const QString&)> f = [&calls, mine](const QString& v) {
            if (v == "v") calls += QChar(mine);
        };
        if (op == '=') names << QString::fromStdString(listener = f);
        if (op == '+') names << QString::fromStdString(listener += f);
        if (op == 's') listener.set("h", f);
        if (op == '0') listener += [&calls, mine] { calls += QChar(mine); };
    }
    listener.fire_event("v", FIRE_EVENT::DIRECT);
    std::sort(calls.begin(), calls.end()); // no promised order
    QCOMPARE(calls, expectedCalls);
    QCOMPARE(int(listener.size()), expectedCalls.size());
    for (const QString& name : names)
        QVERIFY2(QRegularExpression("^[A-Z]{8}$").match(name).hasMatch(), qPrintable(name));
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
}

void TstListener::appendUnderExistingNameWarnsAndReplaces() {
    Listener<int> listener;
    QString calls;
    LogSpy spy;
    QCOMPARE(listener.append("mine", [&] { calls += 'f'; }), std::string("mine"));
    QVERIFY(spy.lines.isEmpty());
    listener.append("mine", [&] { calls += 'g'; });
    QCOMPARE(spy.lines.size(), 1);
    QVERIFY(spy.lines[0].endsWith("Listener::append 'mine' already appended!"));
    listener.fire_event(0, FIRE_EVENT::DIRECT);
    QCOMPARE(calls, QString("g"));
}

void TstListener::changingEntriesDuringDelivery() {
    Listener<int> listener;
    int others = 0, replacement = 0, added = 0;
    listener.append("a", [&] { listener.set("z", [&] { ++replacement; }); });
    listener.append("b", [&] { ++others; });
    listener.append("c", [&] {
        ++others;
        for (int i = 0; i < 50; ++i) // enough to make the map rehash
            listener += [&] { ++added; };
    });
    listener.fire_event(0, FIRE_EVENT::DIRECT);
    // Entries removed meanwhile are never reached; entries added wait for the next firing.
    QVERIFY(others <= 2);
    QCOMPARE(replacement, 0);
    QCOMPARE(added, 0);
    listener.set("only", [&] { ++replacement; });
    listener.fire_event(0, FIRE_EVENT::DIRECT);
    QCOMPARE(replacement, 1);
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

void TstListener::queuedRunsLaterWithEntriesOfThatMoment() {
    QObject context;
    Listener<int> listener;
    listener.set_context(&context);
    QList<int> seen;
    listener = [&](const int& v) { seen << v; };
    listener.fire_event(1, FIRE_EVENT::QUEUED);
    listener.fire_event(2, FIRE_EVENT::QUEUED);
    QVERIFY(seen.isEmpty());
    listener.append("late", [&](const int& v) { seen << 10 * v; });
    QCoreApplication::processEvents();
    std::sort(seen.begin(), seen.end());
    QCOMPARE(seen, (QList<int>{1, 2, 10, 20}));
}

void TstListener::queuedPostsNothingWithoutEntriesOrContext() {
    EventCounter counter;
    Listener<int> listener;
    listener.set_context(&counter);
    listener.fire_event(1, FIRE_EVENT::QUEUED);
    QCoreApplication::processEvents();
    QCOMPARE(counter.events, 0);

    int calls = 0;
    Listener<int> noContext;
    noContext = [&] { ++calls; };
    noContext.fire_event(1, FIRE_EVENT::QUEUED);
    QCoreApplication::processEvents();
    QCOMPARE(calls, 0);

    listener = [&] { ++calls; };
    listener.fire_event(1, FIRE_EVENT::QUEUED);
    QCoreApplication::processEvents();
    QCOMPARE(counter.events, 1);
    QCOMPARE(calls, 1);
}

void TstListener::queuedDroppedWhenContextOrListenerDies() {
    int calls = 0;
    Listener<int> listener;
    {
        QObject context;
        listener.set_context(&context);
        listener = [&] { ++calls; };
        listener.fire_event(1, FIRE_EVENT::QUEUED);
    }
    QCoreApplication::processEvents();
    QCOMPARE(listener.get_context(), nullptr);
    listener.fire_event(2, FIRE_EVENT::QUEUED); // a forgotten context posts nothing

    QObject context;
    {
        Listener<int> shortLived;
        shortLived.set_context(&context);
        shortLived = [&] { ++calls; };
        shortLived.fire_event(3, FIRE_EVENT::QUEUED);
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
