#include "FortuneFixture.h"

#include "data/Query.h"
#include "data/uShare.h"
#include "fortune/ConstellationPair.h"

#include <QSet>
#include <QTest>

class ConstellationPairTest : public QObject
{
    Q_OBJECT
private slots:
    void names();
    void pairing_data();
    void pairing();
    void unreadableDatabase();
    void shippedPairsAreComplete();
};

void ConstellationPairTest::names()
{
    QCOMPARE(ConstellationPair::names,
             (QStringList{"水瓶座", "白羊座", "金牛座", "双子座", "巨蟹座", "狮子座", "处女座", "天秤座", "天蝎座",
                          "射手座", "摩羯座", "双鱼座"}));
    QCOMPARE(ConstellationPair::pairingCaption(QStringLiteral("水瓶座"), QStringLiteral("白羊座")),
             QStringLiteral("水瓶座配对白羊座"));
}

void ConstellationPairTest::pairing_data()
{
    QTest::addColumn<QString>("man");
    QTest::addColumn<QString>("woman");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("man first") << "水瓶座" << "白羊座" << QStringList{"水瓶男白羊女", "", "男瓶一", "", "男瓶二"};
    QTest::newRow("reverse is another row") << "白羊座" << "水瓶座"
                                            << QStringList{"白羊男水瓶女", "", "男羊一", "", "男羊二"};
    QTest::newRow("same sign") << "水瓶座" << "水瓶座" << QStringList{"双瓶", "", "同一", "", "同二"};
    QTest::newRow("no row") << "金牛座" << "白羊座" << QStringList{};
    QTest::newRow("quote") << "水瓶'座" << "白羊座" << QStringList{};
}

void ConstellationPairTest::pairing()
{
    QFETCH(QString, man);
    QFETCH(QString, woman);
    QFETCH(QStringList, lines);
    FixtureProgramDir fixture;
    QVERIFY2(fixture.build(fortuneSources()), qPrintable(fixture.errors.join('\n')));
    Query query;
    query.setConnectionString(GetConnStr());
    QStringList result{QStringLiteral("old")};
    QVERIFY(ConstellationPair::pairingLines(query, man, woman, result));
    QCOMPARE(result, lines);
    QCOMPARE(query.sql(), QStringLiteral("select title,content1,content2 from xingzuolove  where xingzuo1 = ")
                              + quoted(man) + QStringLiteral(" and xingzuo2 = ") + quoted(woman));
}

void ConstellationPairTest::unreadableDatabase()
{
    FixtureProgramDir fixture;
    Query query;
    query.setConnectionString(GetConnStr());
    QStringList lines{QStringLiteral("kept")};
    QVERIFY(!ConstellationPair::pairingLines(query, QStringLiteral("水瓶座"), QStringLiteral("白羊座"), lines));
    QCOMPARE(lines, QStringList{QStringLiteral("kept")});
}

void ConstellationPairTest::shippedPairsAreComplete()
{
    FixtureProgramDir fixture;
    QVERIFY2(fixture.build({{QStringLiteral("xingzuolove.tsv"), shippedSource(QStringLiteral("xingzuolove.tsv"))}}),
             qPrintable(fixture.errors.join('\n')));
    Query query;
    query.setConnectionString(GetConnStr());
    QHash<QString, QStringList> texts;
    QSet<QString> seen;
    for (const QString &man : ConstellationPair::names) {
        for (const QString &woman : ConstellationPair::names) {
            const QString pair = ConstellationPair::pairingCaption(man, woman);
            QStringList lines;
            QVERIFY(ConstellationPair::pairingLines(query, man, woman, lines));
            QCOMPARE(lines.size(), 5);
            QVERIFY2(!lines.at(0).isEmpty() && !lines.at(2).isEmpty() && !lines.at(4).isEmpty(), qPrintable(pair));
            // The title names both signs in the man-woman order.
            QVERIFY2(lines.at(0).startsWith(man.chopped(1) + QStringLiteral("男与") + woman.chopped(1) + QStringLiteral("女")),
                     qPrintable(lines.at(0)));
            for (int i : {2, 4}) {
                QVERIFY2(!seen.contains(lines.at(i)), qPrintable(pair + QStringLiteral(" repeats a text")));
                seen.insert(lines.at(i));
            }
            texts.insert(pair, lines);
        }
    }
    QCOMPARE(texts.size(), 144);
}

QTEST_GUILESS_MAIN(ConstellationPairTest)
#include "tst_constellationpair.moc"
