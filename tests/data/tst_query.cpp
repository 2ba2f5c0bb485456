#include "data/Query.h"
#include "data/Statements.h"
#include "data/uShare.h"
#include "support/Fixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTest>

#include <sqlite3.h>

class QueryTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void translation_data();
    void translation();
    void readsByPosition();
    void textComparisonsIgnoreCase_data();
    void textComparisonsIgnoreCase();
    void hostileText_data();
    void hostileText();
    void refusesWrites_data();
    void refusesWrites();
    void badFiles_data();
    void badFiles();
    void lockedFile();

private:
    Query connected() const;
    FixtureProgramDir m_fixture;
};

void QueryTest::initTestCase()
{
    QVERIFY(m_fixture.build({
        {QStringLiteral("Tclass.tsv"), tsv({{"ZMID", "ZMCLASS"}, {"01", "动物类"}, {"02", "Abc"}})},
        {QStringLiteral("JMTable.tsv"), tsv({{"CLASEID", "TITLE", "CONENT"},
                                             {"01", "蛇", "蛇的解析"},
                                             {"01", "Snake", "snake text"},
                                             {"01", "a'b", "quoted title"},
                                             {"01", "100%", "percent title"}})},
        {QStringLiteral("chenggu1.tsv"), tsv({{"year", "weight"}, {"1990", "0.9"}})},
    }));
}

Query QueryTest::connected() const
{
    Query query;
    query.setConnectionString(GetConnStr());
    return query;
}

void QueryTest::translation_data()
{
    QTest::addColumn<QString>("jet");
    QTest::addColumn<QString>("sqlite");
    QTest::newRow("top 1") << QStringLiteral("select top 1 TITLE,CONENT from JMTable where TITLE = 'x'")
                           << QStringLiteral("select TITLE,CONENT from JMTable where TITLE = 'x' limit 1");
    QTest::newRow("TOP upper") << QStringLiteral("SELECT TOP 5 a from t") << QStringLiteral("SELECT a from t limit 5");
    QTest::newRow("untouched") << QStringLiteral(" Select TITLE from JMTable where CLASEID = 'top 1'")
                               << QStringLiteral(" Select TITLE from JMTable where CLASEID = 'top 1'");
    QTest::newRow("nul in literal") << QStringLiteral("select 'a") + QChar(0) + QStringLiteral("b'")
                                    << QStringLiteral("select 'a'||char(0)||'b'");
}

void QueryTest::translation()
{
    QFETCH(QString, jet);
    QFETCH(QString, sqlite);
    QCOMPARE(Query::translateSql(jet), sqlite);
}

void QueryTest::readsByPosition()
{
    Query query = connected();
    query.setSql(Statements::categories());
    QVERIFY(query.open());
    QCOMPARE(query.recordCount(), 2);
    QCOMPARE(query.text(0), QStringLiteral("01"));
    QCOMPARE(query.text(1), QStringLiteral("动物类"));
    QCOMPARE(query.text(7), QString());
    query.next();
    query.next();
    QVERIFY(query.eof());
    QCOMPARE(query.text(0), QString());
    QCOMPARE(query.number(0), 0.0);

    query.close();
    query.setSql(Statements::yearWeight(QStringLiteral("1990")));
    QVERIFY(query.open());
    QCOMPARE(query.number(0), 0.9);
}

void QueryTest::textComparisonsIgnoreCase_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("rows");
    QTest::newRow("equal") << Statements::firstEntryOfTitle(QStringLiteral("SNAKE")) << 1;
    QTest::newRow("like") << Statements::entriesLike(QStringLiteral("nak")) << 1;
    QTest::newRow("sub-query by name") << Statements::titlesOfCategoryName(QStringLiteral("ABC")) << 0;
    QTest::newRow("category name") << Statements::titlesOfCategoryName(QStringLiteral("动物类")) << 4;
    QTest::newRow("quote matched literally") << Statements::firstEntryOfTitle(QStringLiteral("a'b")) << 1;
    QTest::newRow("percent matches all") << Statements::entriesLike(QStringLiteral("%")) << 4;
    QTest::newRow("underscore is a wildcard") << Statements::entriesLike(QStringLiteral("a_b")) << 1;
    QTest::newRow("percent literal in exact") << Statements::firstEntryOfTitle(QStringLiteral("100%")) << 1;
    QTest::newRow("percent not literal in exact") << Statements::firstEntryOfTitle(QStringLiteral("%")) << 0;
}

void QueryTest::textComparisonsIgnoreCase()
{
    QFETCH(QString, sql);
    QFETCH(int, rows);
    Query query = connected();
    query.setSql(sql);
    QVERIFY(query.open());
    QCOMPARE(query.recordCount(), rows);
}

void QueryTest::hostileText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("injection") << QStringLiteral("x'; DROP TABLE JMTable; --");
    QTest::newRow("union") << QStringLiteral("' union select ZMID,ZMCLASS from Tclass --");
    QTest::newRow("controls") << QStringLiteral("a\x01\x02\tb\x7f");
    QTest::newRow("nul") << QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    QTest::newRow("long") << QString(QStringLiteral("梦")).repeated(10000);
    QTest::newRow("quotes") << QStringLiteral("''''");
    QTest::newRow("backslash") << QStringLiteral("\\'");
}

void QueryTest::hostileText()
{
    QFETCH(QString, text);
    const QByteArray before = [this] {
        QFile file(m_fixture.databasePath());
        file.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }();
    for (const QString &sql : {Statements::firstEntryOfTitle(text), Statements::entriesLike(text),
                               Statements::titlesOfCategoryName(text), Statements::contentOfTitle(text)}) {
        Query query = connected();
        query.setSql(sql);
        QVERIFY2(query.open(), qPrintable(query.lastError()));
        QCOMPARE(query.recordCount(), 0);
    }
    QFile file(m_fixture.databasePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256), before);
}

void QueryTest::refusesWrites_data()
{
    QTest::addColumn<QString>("sql");
    QTest::newRow("delete") << QStringLiteral("delete from JMTable");
    QTest::newRow("second statement") << QStringLiteral("select 1; delete from JMTable");
    QTest::newRow("attach") << QStringLiteral("attach database '/tmp/x.db' as x");
}

void QueryTest::refusesWrites()
{
    QFETCH(QString, sql);
    Query query = connected();
    query.setSql(sql);
    QVERIFY(!query.open());
    query.setSql(QStringLiteral("select count(*) from JMTable"));
    QVERIFY(query.open());
    QCOMPARE(query.text(0), QStringLiteral("4"));
}

void QueryTest::badFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("directory");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("not sqlite") << QByteArray("this is not a database at all, just text") << false;
    QTest::newRow("truncated") << QByteArray("truncate") << false;
    QTest::newRow("directory") << QByteArray() << true;
}

void QueryTest::badFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, directory);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dream.dll"));
    if (directory) {
        QDir().mkdir(path);
    } else if (QTest::currentDataTag() == QLatin1String("truncated")) {
        QFile original(m_fixture.databasePath());
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray bytes = original.readAll();
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes.left(bytes.size() / 2 + 100));
    } else if (!content.isNull()) {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    Query query;
    query.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path
                              + QStringLiteral(";Persist Security Info=True"));
    for (const QString &sql : {Statements::categories(), Statements::entriesLike(QStringLiteral("%")),
                               Statements::yearWeight(QStringLiteral("1990"))}) {
        query.close();
        query.setSql(sql);
        QVERIFY(!query.open());
        QCOMPARE(query.recordCount(), 0);
        QCOMPARE(query.text(0), QString());
    }
}

void QueryTest::lockedFile()
{
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(m_fixture.databasePath().toUtf8().constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    Query query = connected();
    query.setSql(Statements::categories());
    QVERIFY(!query.open());
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    QVERIFY(query.open());
}

QTEST_GUILESS_MAIN(QueryTest)
#include "tst_query.moc"
