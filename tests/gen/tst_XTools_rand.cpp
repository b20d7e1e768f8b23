#include "gen/XTools_rand.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <cstdio>

// Set in the child's environment: it prints three names from a fresh engine and exits.
constexpr const char* kChildVariable = "TST_XTOOLS_RAND_CHILD";

static QStringList run_child() {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kChildVariable, "1");
    child.setProcessEnvironment(env);
    child.start(SELF_PATH, {});
    if (!child.waitForFinished() || child.exitCode() != 0) return {};
    return QString::fromUtf8(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

class TstXToolsRand : public QObject {
    Q_OBJECT

private slots:
    void freshRunsAgree() {
        QVERIFY(gen::rnd::mt == std::mt19937_64(5489)); // nothing has drawn yet: the default seed
        const QStringList first = run_child();
        QCOMPARE(first.size(), 3);
        QVERIFY(first.filter(QRegularExpression("^[A-Z]{8}$")).size() == 3 && first[0] != first[1]);
        QCOMPARE(run_child(), first);
        gen::rnd::ini_seed();
        QVERIFY(gen::rnd::mt == std::mt19937_64(1000));
    }

    void nextString_data() {
        QTest::addColumn<unsigned>("length");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<unsigned>("words");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("listener name") << 8u << true << 1u << "^[A-Z]{8}$";
        QTest::newRow("two lowercase groups") << 3u << false << 2u << "^[a-z]{3} [a-z]{3}$";
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
        QVERIFY(q.size() == qsizetype(length) && (upper ? q.toUpper() : q.toLower()) == q);
    }

    void ranges() {
        QSet<char> seen;
        for (int i = 0; i < 2000; ++i)
            seen.insert(gen::rnd::alnum());
        QCOMPARE(seen.size(), 36); // 26 letters and 10 digits
        QVERIFY(seen.contains('A') && seen.contains('Z') && seen.contains('0') && seen.contains('9'));
        for (int i = 0; i < 200; ++i) {
            const unsigned long long swapped = gen::rnd::number_range(12, 10);
            QVERIFY(swapped >= 10 && swapped <= 12 && gen::rnd::number_range(~0ULL - 1, ~0ULL) >= ~0ULL - 1);
        }
    }
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet(kChildVariable)) {
        for (int i = 0; i < 3; ++i)
            std::printf("%s\n", gen::rnd::next_string(8, true, 1).c_str());
        return 0;
    }
    QCoreApplication app(argc, argv);
    TstXToolsRand test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_XTools_rand.moc"
