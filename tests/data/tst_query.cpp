#include "data/Query.h"
#include "data/Statements.h"
#include "data/uShare.h"
#include "support/Fixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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
    void patternTooLong_data();
    void patternTooLong();
    void loneSurrogateTitle();

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
    const QString lone = QString(QChar(0xD800));
    QTest::newRow("lone surrogate in the title")
        << QStringLiteral("select top 1 TITLE,CONENT from JMTable where TITLE = '") + lone + QStringLiteral("'")
        << QStringLiteral("select TITLE,CONENT from JMTable where TITLE = '") + lone + QStringLiteral("' limit 1");
    QTest::newRow("other blanks") << QStringLiteral("\tselect\ntop\r\n12\ta") << QStringLiteral("\tselect\na limit 12");
    QTest::newRow("no count") << QStringLiteral("select top a from t") << QStringLiteral("select top a from t");
    QTest::newRow("count joined to a word") << QStringLiteral("select top 1a from t")
                                            << QStringLiteral("select top 1a from t");
    QTest::newRow("no blank after select") << QStringLiteral("selecttop 1 a") << QStringLiteral("selecttop 1 a");
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
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("categories"); // the failure of the category list
    QTest::addColumn<int>("search");     // and of a substring search
    QTest::addColumn<QString>("missing");
    const int missing = int(QueryFailure::Missing);
    const int notDatabase = int(QueryFailure::NotDatabase);
    const int damaged = int(QueryFailure::Damaged);
    const int tableMissing = int(QueryFailure::TableMissing);
    const int none = int(QueryFailure::None);
    QTest::newRow("missing") << "missing" << missing << missing << "";
    QTest::newRow("folder") << "folder" << notDatabase << notDatabase << "";
    QTest::newRow("empty") << "empty" << notDatabase << notDatabase << "";
    QTest::newRow("one byte") << "one byte" << notDatabase << notDatabase << "";
    QTest::newRow("text") << "text" << notDatabase << notDatabase << "";
    QTest::newRow("zeros") << "zeros" << notDatabase << notDatabase << "";
    QTest::newRow("header only") << "header only" << damaged << damaged << "";
    QTest::newRow("truncated") << "truncated" << damaged << damaged << "";
    QTest::newRow("garbled page") << "garbled page" << damaged << none << "";
    QTest::newRow("no Tclass") << "no Tclass" << tableMissing << none << "Tclass";
    QTest::newRow("no JMTable") << "no JMTable" << none << tableMissing << "JMTable";
    QTest::newRow("no titles") << "no titles" << none << tableMissing << "JMTitles";
    QTest::newRow("column missing") << "column missing" << tableMissing << none << "ZMCLASS";
    QTest::newRow("other database") << "other database" << tableMissing << tableMissing << "";
}

void QueryTest::badFiles()
{
    QFETCH(QString, kind);
    QFETCH(int, categories);
    QFETCH(int, search);
    QFETCH(QString, missing);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dream.dll"));
    QVERIFY(writeDamagedDatabase(kind, m_fixture.databasePath(), path));
    Query query;
    query.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path
                              + QStringLiteral(";Persist Security Info=True"));
    const QList<std::pair<QString, int>> statements = {{Statements::categories(), categories},
                                                       {Statements::entriesLike(QStringLiteral("%")), search}};
    for (const auto &[sql, failure] : statements) {
        const bool opened = query.run(sql);
        QVERIFY2(int(query.failure()) == failure, qPrintable(sql + QStringLiteral(": ") + query.lastError()));
        QCOMPARE(opened, failure == int(QueryFailure::None));
        if (!opened) {
            QCOMPARE(query.recordCount(), 0);
            QCOMPARE(query.text(0), QString());
        }
        if (query.failure() == QueryFailure::TableMissing && !missing.isEmpty())
            QCOMPARE(query.missingName(), missing);
    }
}

void QueryTest::lockedFile()
{
    Query query = connected();
    {
        DatabaseLock lock(m_fixture.databasePath());
        QVERIFY(lock.locked());
        QVERIFY(!query.run(Statements::categories()));
        QCOMPARE(query.failure(), QueryFailure::Locked);
        QCOMPARE(failureReason(query), QStringLiteral("文件正被其他程序锁定"));
    }
    QVERIFY(query.run(Statements::categories()));
    QCOMPARE(query.failure(), QueryFailure::None);
}

void QueryTest::patternTooLong_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<bool>("opens");
    // SQLite refuses LIKE patterns over 50,000 bytes; the two "%" count.
    QTest::newRow("at the limit") << 49998 << true;
    QTest::newRow("past the limit") << 49999 << false;
    QTest::newRow("far past it") << 200000 << false;
}

void QueryTest::patternTooLong()
{
    QFETCH(int, bytes);
    QFETCH(bool, opens);
    Query query = connected();
    QCOMPARE(query.run(Statements::entriesLike(QString(bytes, QLatin1Char('x')))), opens);
    QCOMPARE(query.failure(), opens ? QueryFailure::None : QueryFailure::PatternTooLong);
}

void QueryTest::loneSurrogateTitle()
{
    // A title that is not valid UTF-16 is still translated and run; it matches nothing.
    Query query = connected();
    const QString title = QStringLiteral("蛇") + QChar(0xD800);
    QVERIFY2(query.run(Statements::firstEntryOfTitle(title)), qPrintable(query.lastError()));
    QCOMPARE(query.recordCount(), 0);
    QVERIFY(query.run(Statements::firstEntryOfTitle(QString(QChar(0xDC00)) + QStringLiteral("x"))));
}

QTEST_GUILESS_MAIN(QueryTest)
#include "tst_query.moc"
