#include "FortuneFixture.h"

#include "data/Query.h"
#include "data/uShare.h"
#include "fortune/PhoneReading.h"

#include <QTest>

class PhoneReadingTest : public QObject
{
    Q_OBJECT
private slots:
    void readingNumber_data();
    void readingNumber();
    void refusal_data();
    void refusal();
    void keyFilter_data();
    void keyFilter();
    void reading_data();
    void reading();
    void unreadableDatabase();
    void shippedReadingsAreComplete();
};

void PhoneReadingTest::readingNumber_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("number");
    QTest::newRow("1234") << "13912341234" << "34";
    QTest::newRow("0080") << "13900000080" << "0";
    QTest::newRow("0079") << "13900000079" << "79";
    QTest::newRow("0000") << "15000000000" << "0";
    QTest::newRow("9999") << "15099999999" << "79";
    QTest::newRow("8 digits") << "13900005" << "5";
    QTest::newRow("9 digits") << "139000012" << "12";
    QTest::newRow("10 digits") << "1390001234" << "74"; // 234
    // Positions 3 to 7 are not read, so nothing there is checked.
    QTest::newRow("letters before the 8th") << "13ab-cd1234" << "34";
    QTest::newRow("prefix 14") << "14912341234" << "34";
    QTest::newRow("prefix 16") << "16612340079" << "79";
    QTest::newRow("prefix 17") << "17712340080" << "0";
    QTest::newRow("prefix 18") << "18612341234" << "34";
    QTest::newRow("prefix 19") << "19912341234" << "34";
}

void PhoneReadingTest::readingNumber()
{
    QFETCH(QString, entry);
    QFETCH(QString, number);
    QCOMPARE(PhoneReading::refusal(entry), QString());
    QCOMPARE(PhoneReading::shoujiinfostr(entry), number);
}

void PhoneReadingTest::refusal_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("message");
    const QString wrong = PhoneReading::wrongMessage;
    QTest::newRow("empty") << "" << "请输入11位手机号码！";
    QTest::newRow("10") << "10912345678" << wrong;
    QTest::newRow("12") << "12912345678" << wrong;
    QTest::newRow("not a mobile prefix") << "23912345678" << wrong;
    QTest::newRow("full-width prefix") << "１3912345678" << wrong;
    QTest::newRow("one digit") << "1" << wrong;
    QTest::newRow("full-width digits") << "１３９１２３４１２３４" << wrong;
    QTest::newRow("7 characters") << "1391234" << wrong;
    QTest::newRow("prefix only") << "15" << wrong;
    QTest::newRow("letters from the 8th") << "1391234abcd" << wrong;
    QTest::newRow("blank at the 8th") << "1391234 567" << wrong;
    QTest::newRow("sign at the end") << "1391234567-" << wrong;
    QTest::newRow("longer than the edit allows") << "139123456789" << wrong;
}

void PhoneReadingTest::refusal()
{
    QFETCH(QString, entry);
    QFETCH(QString, message);
    QCOMPARE(PhoneReading::refusal(entry), message);
    QCOMPARE(PhoneReading::wrongMessage, QStringLiteral("请输入正确的手机号码！"));
}

void PhoneReadingTest::keyFilter_data()
{
    QTest::addColumn<QChar>("key");
    QTest::addColumn<bool>("passes");
    QTest::newRow("0") << QChar('0') << true;
    QTest::newRow("9") << QChar('9') << true;
    QTest::newRow("backspace") << QChar(8) << true;
    QTest::newRow("enter") << QChar(13) << true;
    QTest::newRow("letter") << QChar('a') << false;
    QTest::newRow("minus") << QChar('-') << false;
    QTest::newRow("blank") << QChar(' ') << false;
    QTest::newRow("full-width digit") << QChar(0xFF11) << false;
}

void PhoneReadingTest::keyFilter()
{
    QFETCH(QChar, key);
    QFETCH(bool, passes);
    QCOMPARE(PhoneReading::keyPasses(key), passes);
}

void PhoneReadingTest::reading_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("statement");
    QTest::newRow("trimmed fields") << "13912341234" << QStringList{"三十四之状", "凶", "三十四之表现"}
                                    << "select title,jx,content from shouji where num = '34'";
    QTest::newRow("multiple of 80") << "13900000080" << QStringList{"八十之状", "凶", "八十之表现"}
                                    << "select title,jx,content from shouji where num = '0'";
    QTest::newRow("no row") << "13900000001" << QStringList{"", "", ""}
                            << "select title,jx,content from shouji where num = '1'";
}

void PhoneReadingTest::reading()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, texts);
    QFETCH(QString, statement);
    FixtureProgramDir fixture;
    QVERIFY2(fixture.build(fortuneSources()), qPrintable(fixture.errors.join('\n')));
    Query query;
    query.setConnectionString(GetConnStr());
    PhoneReading::Reading reading;
    QVERIFY(PhoneReading::read(query, entry, reading));
    QCOMPARE(query.sql(), statement);
    QCOMPARE(reading.number, entry);
    QCOMPARE((QStringList{reading.title, reading.jx, reading.content}), texts);
}

void PhoneReadingTest::unreadableDatabase()
{
    FixtureProgramDir fixture;
    Query query;
    query.setConnectionString(GetConnStr());
    PhoneReading::Reading reading;
    QVERIFY(!PhoneReading::read(query, QStringLiteral("13912341234"), reading));
    QVERIFY(reading.number.isEmpty());
}

void PhoneReadingTest::shippedReadingsAreComplete()
{
    FixtureProgramDir fixture;
    QVERIFY2(fixture.build({{QStringLiteral("shouji.tsv"), shippedSource(QStringLiteral("shouji.tsv"))}}),
             qPrintable(fixture.errors.join('\n')));
    Query query;
    query.setConnectionString(GetConnStr());
    query.setSql(QStringLiteral("select num from shouji"));
    QVERIFY(query.open());
    QCOMPARE(query.recordCount(), 80);
    const QStringList verdicts = {QStringLiteral("吉"), QStringLiteral("凶"), QStringLiteral("半吉")};
    for (int key = 0; key < 80; ++key) {
        // Every entry whose last digits leave this remainder lands here.
        const QString entry = QStringLiteral("1390000%1").arg(key, 4, 10, QLatin1Char('0'));
        PhoneReading::Reading reading;
        QVERIFY(PhoneReading::read(query, entry, reading));
        QVERIFY2(!reading.title.isEmpty() && !reading.content.isEmpty(), qPrintable(entry));
        QVERIFY2(verdicts.contains(reading.jx), qPrintable(entry + QLatin1Char(' ') + reading.jx));
    }
}

QTEST_GUILESS_MAIN(PhoneReadingTest)
#include "tst_phonereading.moc"
