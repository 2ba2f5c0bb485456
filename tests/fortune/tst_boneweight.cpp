#include "FortuneFixture.h"

#include "data/Query.h"
#include "data/Statements.h"
#include "data/uShare.h"
#include "fortune/BoneWeight.h"

#include <QSet>
#include <QTest>

class BoneWeightTest : public QObject
{
    Q_OBJECT
private slots:
    void lists();
    void totals_data();
    void totals();
    void reading_data();
    void reading();
    void unreadableDatabase();
    void shippedWeightsFollowTheCycles();
    void everyReachableCodeHasAVerse();
};

namespace {

Query connected()
{
    Query query;
    query.setConnectionString(GetConnStr());
    return query;
}

QList<double> weightsOf(const QString &table)
{
    Query query = connected();
    query.setSql(QStringLiteral("select weight from %1").arg(table));
    QList<double> weights;
    if (!query.open())
        return weights;
    for (; !query.eof(); query.next()) {
        if (!weights.contains(query.number(0)))
            weights << query.number(0);
    }
    return weights;
}

QHash<QString, double> keyedWeights(const QString &table, const QString &key)
{
    Query query = connected();
    query.setSql(QStringLiteral("select %1, weight from %2").arg(key, table));
    QHash<QString, double> weights;
    if (query.open()) {
        for (; !query.eof(); query.next())
            weights.insert(query.text(0), query.number(1));
    }
    return weights;
}

} // namespace

void BoneWeightTest::lists()
{
    const QStringList years = BoneWeight::yearNames();
    QCOMPARE(years.size(), 151);
    QCOMPARE(years.first(), QStringLiteral("1900"));
    QCOMPARE(years.at(120), QStringLiteral("2020"));
    QCOMPARE(years.last(), QStringLiteral("2050"));
    QCOMPARE(BoneWeight::monthNames.size(), 12);
    QCOMPARE(BoneWeight::monthNames.at(10), QStringLiteral("十一"));
    QCOMPARE(BoneWeight::monthNames.last(), QStringLiteral("腊"));
    QCOMPARE(BoneWeight::dayNames.size(), 30);
    QCOMPARE(BoneWeight::dayNames.at(19), QStringLiteral("二十"));
    QCOMPARE(BoneWeight::dayNames.at(20), QStringLiteral("廿一"));
    QCOMPARE(BoneWeight::dayNames.last(), QStringLiteral("三十"));
    QCOMPARE(BoneWeight::hourNames().size(), 24);
    QCOMPARE(BoneWeight::hourNames().at(7), QStringLiteral("7"));
}

void BoneWeightTest::totals_data()
{
    QTest::addColumn<double>("total");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("line");
    QTest::newRow("inexact sum") << 0.7 + 1.6 + 0.9 + 1.0 << "4.2" << "42" << "你的骨重为：4两2钱";
    QTest::newRow("whole") << 5.0 << "5" << "50" << "你的骨重为：5两";
    QTest::newRow("half") << 4.5 << "4.5" << "45" << "你的骨重为：4两5钱";
    QTest::newRow("lightest traditional") << 0.5 + 0.5 + 0.5 + 0.6 << "2.1" << "21" << "你的骨重为：2两1钱";
    QTest::newRow("heaviest traditional") << 1.9 + 1.8 + 1.8 + 1.6 << "7.1" << "71" << "你的骨重为：7两1钱";
    QTest::newRow("one") << 1.0 << "1" << "10" << "你的骨重为：1两";
    QTest::newRow("nine nine") << 9.9 << "9.9" << "99" << "你的骨重为：9两9钱";
    // Totals without a code are shown in 两 and 钱 from the total itself.
    QTest::newRow("ten and a half") << 10.5 << "10.5" << "" << "你的骨重为：10两5钱";
    QTest::newRow("ten") << 10.0 << "10" << "" << "你的骨重为：10两";
    QTest::newRow("below one") << 0.7 << "0.7" << "" << "你的骨重为：0两7钱";
    QTest::newRow("nothing") << 0.0 << "0" << "" << "你的骨重为：0两";
    QTest::newRow("second decimal") << 0.05 + 1.6 + 0.9 + 1.0 << "3.55" << "" << "你的骨重为：3两5.5钱";
}

void BoneWeightTest::totals()
{
    QFETCH(double, total);
    QFETCH(QString, text);
    QFETCH(QString, code);
    QFETCH(QString, line);
    QCOMPARE(BoneWeight::totalText(total), text);
    QCOMPARE(BoneWeight::weightCode(total), code);
    QCOMPARE(code.isEmpty() ? BoneWeight::weightLineOfTotal(total) : BoneWeight::weightLine(code), line);
}

void BoneWeightTest::reading_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("verse");
    QTest::addColumn<QString>("lastStatement");
    QTest::newRow("inexact sum") << "1984" << "正" << "初一" << "0" << "42" << "你的骨重为：4两2钱" << "四两二钱之诗"
                                 << "Select content from chenggu where weight ='42'";
    QTest::newRow("whole") << "1987" << "正" << "初一" << "0" << "50" << "你的骨重为：5两" << "五两之诗"
                           << "Select content from chenggu where weight ='50'";
    QTest::newRow("code without verse") << "1986" << "正" << "初一" << "0" << "45" << "" << ""
                                        << "Select content from chenggu where weight ='45'";
    QTest::newRow("missing year adds 0") << "1990" << "正" << "初一" << "0" << "35" << "你的骨重为：3两5钱"
                                         << "三两五钱之诗" << "Select content from chenggu where weight ='35'";
    // No verse is looked up under the meaningless keys "1.", "35" and "05".
    QTest::newRow("ten and more") << "1988" << "正" << "初一" << "0" << "" << "你的骨重为：10两5钱" << ""
                                  << "Select weight from chenggu4 where time ='0'";
    QTest::newRow("second decimal") << "1989" << "正" << "初一" << "0" << "" << "你的骨重为：3两5.5钱" << ""
                                    << "Select weight from chenggu4 where time ='0'";
    QTest::newRow("below one") << "1991" << "二" << "初二" << "1" << "" << "你的骨重为：0两5钱" << ""
                               << "Select weight from chenggu4 where time ='1'";
    QTest::newRow("quote in a value") << "19'84" << "正" << "初一" << "0" << "35" << "你的骨重为：3两5钱"
                                      << "三两五钱之诗" << "Select content from chenggu where weight ='35'";
}

void BoneWeightTest::reading()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, hour);
    QFETCH(QString, code);
    QFETCH(QString, line);
    QFETCH(QString, verse);
    QFETCH(QString, lastStatement);
    FixtureProgramDir fixture;
    QVERIFY2(fixture.build(fortuneSources()), qPrintable(fixture.errors.join('\n')));
    Query query = connected();
    BoneWeight::Reading reading;
    QVERIFY(BoneWeight::read(query, year, month, day, hour, reading));
    QCOMPARE(reading.code, code);
    QCOMPARE(reading.line, line);
    QCOMPARE(reading.hasVerse, !verse.isEmpty());
    QCOMPARE(reading.verse, verse);
    QCOMPARE(query.sql(), lastStatement);
}

void BoneWeightTest::unreadableDatabase()
{
    FixtureProgramDir fixture; // no dream.dll in it
    Query query = connected();
    BoneWeight::Reading reading;
    reading.line = QStringLiteral("untouched");
    QVERIFY(!BoneWeight::read(query, QStringLiteral("1984"), QStringLiteral("正"), QStringLiteral("初一"),
                              QStringLiteral("0"), reading));
    QCOMPARE(reading.line, QStringLiteral("untouched"));
    QCOMPARE(Statements::yearWeight(QStringLiteral("1984")), QStringLiteral("Select weight from chenggu1 where year ='1984'"));
}

void BoneWeightTest::shippedWeightsFollowTheCycles()
{
    FixtureProgramDir fixture;
    QMap<QString, QString> sources;
    for (const char *file : {"chenggu1.tsv", "chenggu2.tsv", "chenggu3.tsv", "chenggu4.tsv", "chenggu.tsv"})
        sources.insert(QLatin1String(file), shippedSource(QLatin1String(file)));
    QVERIFY2(fixture.build(sources), qPrintable(fixture.errors.join('\n')));

    const QHash<QString, double> years = keyedWeights(QStringLiteral("chenggu1"), QStringLiteral("year"));
    QCOMPARE(years.size(), 151);
    // Every year weighs what the year sixty years earlier or later weighs.
    for (const QString &year : BoneWeight::yearNames()) {
        QVERIFY2(years.contains(year), qPrintable(year));
        const QString earlier = QString::number(year.toInt() - 60);
        const QString later = QString::number(year.toInt() + 60);
        QVERIFY2(years.contains(earlier) || years.contains(later), qPrintable(year));
        if (years.contains(earlier))
            QCOMPARE(years.value(year), years.value(earlier));
        if (years.contains(later))
            QCOMPARE(years.value(year), years.value(later));
    }
    // Known places in the sixty-year cycle: 1984 甲子, 1900 庚子, 2019 己亥, 2020 庚子, 2044 甲子.
    QCOMPARE(years.value(QStringLiteral("1984")), 1.2);
    QCOMPARE(years.value(QStringLiteral("1900")), 0.7);
    QCOMPARE(years.value(QStringLiteral("2019")), 0.9);
    QCOMPARE(years.value(QStringLiteral("2020")), 0.7);
    QCOMPARE(years.value(QStringLiteral("2044")), 1.2);

    const QHash<QString, double> months = keyedWeights(QStringLiteral("chenggu2"), QStringLiteral("month"));
    QCOMPARE(QSet<QString>(months.keyBegin(), months.keyEnd()),
             QSet<QString>(BoneWeight::monthNames.begin(), BoneWeight::monthNames.end()));
    const QHash<QString, double> days = keyedWeights(QStringLiteral("chenggu3"), QStringLiteral("day"));
    QCOMPARE(QSet<QString>(days.keyBegin(), days.keyEnd()),
             QSet<QString>(BoneWeight::dayNames.begin(), BoneWeight::dayNames.end()));

    const QHash<QString, double> hours = keyedWeights(QStringLiteral("chenggu4"), QStringLiteral("time"));
    QCOMPARE(hours.size(), 24);
    // Two hours to a period, 23 and 0 together in the first.
    QCOMPARE(hours.value(QStringLiteral("23")), hours.value(QStringLiteral("0")));
    for (int hour = 1; hour < 23; hour += 2)
        QCOMPARE(hours.value(QString::number(hour + 1)), hours.value(QString::number(hour)));
}

void BoneWeightTest::everyReachableCodeHasAVerse()
{
    FixtureProgramDir fixture;
    QMap<QString, QString> sources;
    for (const char *file : {"chenggu1.tsv", "chenggu2.tsv", "chenggu3.tsv", "chenggu4.tsv", "chenggu.tsv"})
        sources.insert(QLatin1String(file), shippedSource(QLatin1String(file)));
    QVERIFY2(fixture.build(sources), qPrintable(fixture.errors.join('\n')));

    QSet<QString> reachable;
    const QList<double> years = weightsOf(QStringLiteral("chenggu1"));
    const QList<double> months = weightsOf(QStringLiteral("chenggu2"));
    const QList<double> days = weightsOf(QStringLiteral("chenggu3"));
    const QList<double> hours = weightsOf(QStringLiteral("chenggu4"));
    QVERIFY(!years.isEmpty() && !months.isEmpty() && !days.isEmpty() && !hours.isEmpty());
    for (double y : years) {
        for (double m : months) {
            for (double d : days) {
                for (double h : hours) {
                    // Added in the window's order, as the noise depends on it.
                    double total = 0.0;
                    total += y;
                    total += m;
                    total += d;
                    total += h;
                    const QString code = BoneWeight::weightCode(total);
                    QVERIFY2(!code.isEmpty(), qPrintable(BoneWeight::totalText(total)));
                    reachable.insert(code);
                }
            }
        }
    }
    Query query = connected();
    for (const QString &code : reachable) {
        query.close();
        query.setSql(Statements::boneVerse(code));
        QVERIFY(query.open());
        QVERIFY2(!query.eof() && !trimText(query.text(0)).isEmpty(), qPrintable(QStringLiteral("no verse for ") + code));
    }
    QVERIFY(reachable.size() > 40);
}

QTEST_GUILESS_MAIN(BoneWeightTest)
#include "tst_boneweight.moc"
