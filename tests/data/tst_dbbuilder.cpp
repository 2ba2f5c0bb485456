#include "data/Query.h"
#include "data/uShare.h"
#include "support/Fixture.h"

#include <QTest>

class DbBuilderTest : public QObject
{
    Q_OBJECT
private slots:
    void encodesContent();
    void emptyTablesExist();
    void rejectsBadSource_data();
    void rejectsBadSource();
    void failedBuildKeepsOldFile();
};

namespace {
const QString categories = tsv({{"ZMID", "ZMCLASS"}, {"01", "动物类"}});
}

void DbBuilderTest::encodesContent()
{
    FixtureProgramDir fixture;
    QVERIFY2(fixture.build({{QStringLiteral("Tclass.tsv"), categories},
                            {QStringLiteral("JMTable/01.tsv"),
                             tsv({{"CLASEID", "TITLE", "CONENT"}, {"01", "蛇", "第一行\\n第二行"}})}}),
             qPrintable(fixture.errors.join('\n')));
    Query query;
    query.setConnectionString(GetConnStr());
    query.setSql(QStringLiteral("select CONENT, CLASEID from JMTable where TITLE = '蛇'"));
    QVERIFY(query.open());
    const QString stored = query.text(0);
    QVERIFY(!stored.contains(QStringLiteral("第")));
    QCOMPARE(stored, EncodeContent(QStringLiteral("第一行\r\n第二行"), contentKey, contentRounds));
    QCOMPARE(DecodeContent(stored, contentKey, contentRounds), QStringLiteral("第一行\r\n第二行"));
}

void DbBuilderTest::emptyTablesExist()
{
    FixtureProgramDir fixture;
    QVERIFY(fixture.build({{QStringLiteral("Tclass.tsv"), categories}}));
    Query query;
    query.setConnectionString(GetConnStr());
    for (const char *table : {"JMTable", "shouji", "xingzuolove", "chenggu", "chenggu1", "chenggu2", "chenggu3", "chenggu4"}) {
        query.close();
        query.setSql(QStringLiteral("select * from %1").arg(QLatin1String(table)));
        QVERIFY2(query.open(), table);
        QCOMPARE(query.recordCount(), 0);
    }
}

void DbBuilderTest::rejectsBadSource_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("error");
    QTest::newRow("duplicate title") << "JMTable/01.tsv"
                                     << tsv({{"CLASEID", "TITLE", "CONENT"}, {"01", "蛇", "a"}, {"01", "蛇", "b"}})
                                     << "JMTable/01.tsv:3: duplicate key";
    QTest::newRow("duplicate ignoring case") << "JMTable.tsv"
                                             << tsv({{"CLASEID", "TITLE", "CONENT"}, {"01", "Ab", "a"}, {"01", "aB", "b"}})
                                             << "JMTable.tsv:3: duplicate key";
    QTest::newRow("missing column") << "JMTable.tsv" << tsv({{"CLASEID", "TITLE"}, {"01", "蛇"}})
                                    << "JMTable.tsv:1: missing column CONENT";
    QTest::newRow("field count") << "JMTable.tsv" << tsv({{"CLASEID", "TITLE", "CONENT"}, {"01", "蛇"}})
                                 << "JMTable.tsv:2: 2 fields";
    QTest::newRow("not gbk") << "JMTable.tsv" << tsv({{"CLASEID", "TITLE", "CONENT"}, {"01", "蛇", "笑😀"}})
                             << "JMTable.tsv:2: CONENT holds text that GBK cannot represent";
    QTest::newRow("unknown category") << "JMTable.tsv" << tsv({{"CLASEID", "TITLE", "CONENT"}, {"09", "蛇", "x"}})
                                      << "JMTable.tsv:2: unknown category code 09";
    // Each of these would be stored as no number, or none a verse exists for, and a reading would count it as 0.
    for (const char *weight : {"zero", "", "nan", "inf", "-1.2", "1e3", "1,2", " 1.2"}) {
        QTest::addRow("weight '%s'", weight) << "chenggu1.tsv" << tsv({{"year", "weight"}, {"1990", weight}})
                                            << "chenggu1.tsv:2: weight is not a plain decimal number";
    }
    QTest::newRow("duplicate pair") << "xingzuolove.tsv"
                                    << tsv({{"xingzuo1", "xingzuo2", "title", "content1", "content2"},
                                            {"白羊座", "金牛座", "t", "a", "b"}, {"白羊座", "金牛座", "t", "a", "b"}})
                                    << "xingzuolove.tsv:3: duplicate key";
}

void DbBuilderTest::rejectsBadSource()
{
    QFETCH(QString, file);
    QFETCH(QString, content);
    QFETCH(QString, error);
    FixtureProgramDir fixture;
    QVERIFY(!fixture.build({{QStringLiteral("Tclass.tsv"), categories}, {file, content}}));
    const QString all = fixture.errors.join('\n');
    QVERIFY2(all.contains(error), qPrintable(all));
    QVERIFY(!QFile::exists(fixture.databasePath()));
}

void DbBuilderTest::failedBuildKeepsOldFile()
{
    FixtureProgramDir fixture;
    QVERIFY(fixture.build({{QStringLiteral("Tclass.tsv"), categories}}));
    const qint64 size = QFileInfo(fixture.databasePath()).size();
    QVERIFY(!fixture.build({{QStringLiteral("Tclass.tsv"), tsv({{"ZMID"}, {"01"}})}}));
    QCOMPARE(QFileInfo(fixture.databasePath()).size(), size);
}

QTEST_GUILESS_MAIN(DbBuilderTest)
#include "tst_dbbuilder.moc"
