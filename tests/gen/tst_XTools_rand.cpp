#include "gen/XTools_rand.h"

#include <QRegularExpression>
#include <QtTest>

using namespace gen::rnd;

class TstXToolsRand : public QObject {
    Q_OBJECT

private slots:
    // Must run first: nothing has drawn yet, so every run starts from the default seed.
    void seeds() {
        QVERIFY(mt == std::mt19937_64(5489));
        ini_seed();
        QVERIFY(mt == std::mt19937_64(1000));
    }

    void strings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("listener name") << QString::fromStdString(next_string(8, true, 1)) << "^[A-Z]{8}$";
        QTest::newRow("two groups") << QString::fromStdString(next_string(3, false, 2))
                                    << "^[a-z]{3} [a-z]{3}$";
        QTest::newRow("empty words") << QString::fromStdString(next_string(0, true, 3)) << "^  $";
        QTest::newRow("no words") << QString::fromStdString(next_string(4, true, 0)) << "^$";
        QTest::newRow("QString upper") << next_QString(5, true) << "^[A-Z]{5}$";
        QTest::newRow("QString lower") << next_QString(4, false) << "^[a-z]{4}$";
    }
    void strings() {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QVERIFY2(QRegularExpression(pattern).match(text).hasMatch(), qPrintable(text));
    }

    void ranges() {
        QSet<char> seen;
        for (int i = 0; i < 2000; ++i)
            seen.insert(alnum());
        QCOMPARE(seen.size(), 36); // 26 letters and 10 digits
        QVERIFY(seen.contains('A') && seen.contains('Z') && seen.contains('0') && seen.contains('9'));
        for (int i = 0; i < 200; ++i) // lo > hi are swapped; unsigned, so below 10 fails too
            QVERIFY(number_range(12, 10) - 10 <= 2 && number_range(~0ULL - 1, ~0ULL) >= ~0ULL - 1);
    }
};

QTEST_GUILESS_MAIN(TstXToolsRand)
#include "tst_XTools_rand.moc"
