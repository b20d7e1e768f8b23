#include "gen/GConvert.h"

#include <QByteArray>
#include <QString>
#include <QtTest>

class TstGConvert : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("utf8");
        QTest::newRow("empty") << QString() << QByteArray();
        QTest::newRow("ascii") << "abc" << QByteArray("abc");
        QTest::newRow("umlaut") << QString(QChar(0xFC)) << QByteArray("\xC3\xBC");
        QTest::newRow("outside bmp") << QString::fromUcs4(U"\U0001F600") << QByteArray("\xF0\x9F\x98\x80");
        QTest::newRow("inner zero") << QString(QChar(0)) + "x" << QByteArray("\0x", 2);
    }
    void roundTrip() {
        QFETCH(QString, text);
        QFETCH(QByteArray, utf8);
        const std::string bytes = gen::convert::to_string(text);
        QCOMPARE(QByteArray(bytes.data(), qsizetype(bytes.size())), utf8);
        QCOMPARE(gen::convert::to_qstring(bytes), text);
    }

    void dump_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<unsigned>("max");
        QTest::addColumn<QString>("expected");
        const QByteArray ten("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A");
        QTest::newRow("fits") << QByteArray("\x01\x02\xFF") << 10u << "[3] = {1, 2, -1}";
        QTest::newRow("exactly max") << QByteArray("\x7F\x80") << 2u << "[2] = {127, -128}";
        QTest::newRow("empty") << QByteArray() << 4u << "[0] = {}";
        QTest::newRow("cut even") << ten << 4u << "[10] = {1, 2, ..., 9, 10}";
        QTest::newRow("cut odd") << ten << 5u << "[10] = {1, 2, ..., 9, 10}";
        QTest::newRow("max one") << ten << 1u << "[10] = {...}";
        QTest::newRow("max zero") << ten << 0u << "[10] = {...}";
        QTest::newRow("max zero, empty") << QByteArray() << 0u << "[0] = {}";
    }
    void dump() {
        QFETCH(QByteArray, data);
        QFETCH(unsigned, max);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(gen::convert::to_string(data, max)), expected);
    }
};

QTEST_MAIN(TstGConvert)
#include "tst_GConvert.moc"
