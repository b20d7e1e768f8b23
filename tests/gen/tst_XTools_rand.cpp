#include "gen/XTools_rand.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <cstdio>

namespace {

// Set in the child's environment: it prints three names from a fresh engine and exits.
constexpr const char* kChildVariable = "TST_XTOOLS_RAND_CHILD";
constexpr int kChildNames = 3;

QStringList run_child() {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kChildVariable, "1");
    child.setProcessEnvironment(env);
    child.start(SELF_PATH, {});
    if (!child.waitForFinished() || child.exitCode() != 0) return {};
    return QString::fromUtf8(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

class TstXToolsRand : public QObject {
    Q_OBJECT

private slots:
    // Must run first: nothing may have drawn from the engine yet.
    void startsFromDefaultSeed() { QVERIFY(gen::rnd::mt == std::mt19937_64(5489)); }

    void freshRunsAgree() {
        const QStringList first = run_child();
        QCOMPARE(first.size(), kChildNames);
        for (const QString& name : first)
            QVERIFY2(QRegularExpression("^[A-Z]{8}$").match(name).hasMatch(), qPrintable(name));
        QVERIFY(first[0] != first[1] || first[1] != first[2]);
        QCOMPARE(run_child(), first);
    }

    void reseed() {
        gen::rnd::ini_seed();
        QVERIFY(gen::rnd::mt == std::mt19937_64(1000));
        const std::string a = gen::rnd::next_string(8, true, 1);
        gen::rnd::ini_seed();
        QCOMPARE(gen::rnd::next_string(8, true, 1), a);
    }

    void nextString_data() {
        QTest::addColumn<unsigned>("length");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<unsigned>("words");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("listener name") << 8u << true << 1u << "^[A-Z]{8}$";
        QTest::newRow("two lowercase groups") << 3u << false << 2u << "^[a-z]{3} [a-z]{3}$";
        QTest::newRow("no words") << 5u << true << 0u << "^$";
        QTest::newRow("empty words") << 0u << true << 3u << "^  $";
    }
    void nextString() {
        QFETCH(unsigned, length);
        QFETCH(bool, upper);
        QFETCH(unsigned, words);
        QFETCH(QString, pattern);
        const QString s = QString::fromStdString(gen::rnd::next_string(length, upper, words));
        QVERIFY2(QRegularExpression(pattern).match(s).hasMatch(), qPrintable(s));
        const QString q = gen::rnd::next_QString(length, upper);
        QCOMPARE(q.size(), qsizetype(length));
        QVERIFY(upper ? q.toUpper() == q : q.toLower() == q);
    }

    void characters() {
        QSet<char> seen;
        for (int i = 0; i < 2000; ++i)
            seen.insert(gen::rnd::alnum());
        // Both ends of each range occur and nothing else does.
        QVERIFY(seen.contains('A') && seen.contains('Z') && seen.contains('0') && seen.contains('9'));
        for (const char c : seen)
            QVERIFY2((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'), qPrintable(QString(QChar(c))));
    }

    void numberRange() {
        const auto check = [](qulonglong lo, qulonglong hi) {
            for (int i = 0; i < 200; ++i) {
                const qulonglong v = gen::rnd::number_range(lo, hi);
                if (v < std::min(lo, hi) || v > std::max(lo, hi)) return false;
            }
            return true;
        };
        QVERIFY(check(10, 12));
        QVERIFY(check(12, 10)); // swapped bounds
        QVERIFY(check(7, 7));
        QVERIFY(check(~0ull - 1, ~0ull));
    }
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet(kChildVariable)) {
        for (int i = 0; i < kChildNames; ++i)
            std::printf("%s\n", gen::rnd::next_string(8, true, 1).c_str());
        return 0;
    }
    QCoreApplication app(argc, argv);
    TstXToolsRand test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_XTools_rand.moc"
