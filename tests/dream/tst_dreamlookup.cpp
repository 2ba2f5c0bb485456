#include "data/Query.h"
#include "data/uShare.h"
#include "dream/DreamLookup.h"
#include "support/Fixture.h"
#include "support/RecordingPlatform.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace DreamLookup;

// The lookup engine of the analysis and dream book windows, without a window.
class DreamLookupTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void categoriesInCodeOrder();
    void titlesOfCategory_data();
    void titlesOfCategory();
    void search_data();
    void search();
    void substringMatchesStandApart();
    void contentOfTitle_data();
    void contentOfTitle();
    void statistics();
    void unreadableDatabase();

private:
    Query connected() const
    {
        Query query;
        query.setConnectionString(GetConnStr());
        return query;
    }

    std::unique_ptr<FixtureProgramDir> m_fixture;
    RecordingPlatform m_platform;
};

void DreamLookupTest::initTestCase()
{
    m_fixture = std::make_unique<FixtureProgramDir>();
    QVERIFY(m_fixture->build({
        {QStringLiteral("Tclass.tsv"),
         tsv({{"ZMID", "ZMCLASS"}, {"03", "植物类"}, {"01", " 人物类 "}, {"02", "动物类"}, {"04", "空类"}})},
        {QStringLiteral("JMTable.tsv"), tsv({{"CLASEID", "TITLE", "CONENT"},
                                             {"02", "蛇", "蛇的解析"},
                                             {"02", "白蛇", "白蛇的解析\\n第二行"},
                                             {"01", "老师", "老师的解析"},
                                             {"01", "a'b", "引号的解析"},
                                             {"03", "100%", "百分的解析"}})},
    }));
}

void DreamLookupTest::categoriesInCodeOrder()
{
    Query query = connected();
    QStringList names;
    QVERIFY(categoryNames(query, names));
    QCOMPARE(names, QStringList({"人物类", "动物类", "植物类", "空类"}));
}

void DreamLookupTest::titlesOfCategory_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("two entries") << "动物类" << QStringList({"蛇", "白蛇"});
    QTest::newRow("empty category") << "空类" << QStringList();
    QTest::newRow("unknown category") << "没有这类" << QStringList();
    QTest::newRow("quote in the name") << "动物类' or '1'='1" << QStringList();
}

void DreamLookupTest::titlesOfCategory()
{
    QFETCH(QString, name);
    QFETCH(QStringList, titles);
    Query query = connected();
    QStringList found;
    QVERIFY(titlesOfCategoryName(query, name, found));
    QCOMPARE(found, titles);
}

void DreamLookupTest::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("lines");
    const int exact = int(SearchMode::Exact);
    const int substring = int(SearchMode::Substring);
    QTest::newRow("exact shows the text alone") << "蛇" << exact << 1 << QStringList({"蛇的解析"});
    QTest::newRow("exact splits its lines") << "白蛇" << exact << 1 << QStringList({"白蛇的解析", "第二行"});
    QTest::newRow("exact with a quote") << "a'b" << exact << 1 << QStringList({"引号的解析"});
    QTest::newRow("exact percent is literal") << "100%" << exact << 1 << QStringList({"百分的解析"});
    QTest::newRow("exact unknown") << "龙" << exact << 0 << QStringList();
    QTest::newRow("substring: title, blank, text, blank, and a blank between")
        << "老" << substring << 1 << QStringList({"老师", "", "老师的解析", ""});
    QTest::newRow("substring percent matches all") << "%" << substring << 5 << QStringList();
    QTest::newRow("substring underscore is a wildcard") << "a_b" << substring << 1
                                                        << QStringList({"a'b", "", "引号的解析", ""});
    QTest::newRow("substring unknown") << "龙" << substring << 0 << QStringList();
}

void DreamLookupTest::search()
{
    QFETCH(QString, text);
    QFETCH(int, mode);
    QFETCH(int, rows);
    QFETCH(QStringList, lines);
    Query query = connected();
    SearchResult result;
    QVERIFY(DreamLookup::search(query, text, SearchMode(mode), result));
    QCOMPARE(result.rows, rows);
    if (!lines.isEmpty() || rows == 0)
        QCOMPARE(result.lines, lines);
    QCOMPARE(m_platform.beeps, 0);
}

void DreamLookupTest::substringMatchesStandApart()
{
    // The rows come in the database's order; a blank line parts them either way.
    Query query = connected();
    SearchResult result;
    QVERIFY(DreamLookup::search(query, QStringLiteral("蛇"), SearchMode::Substring, result));
    QCOMPARE(result.rows, 2);
    const QStringList snake = {"蛇", "", "蛇的解析", ""};
    const QStringList white = {"白蛇", "", "白蛇的解析", "第二行", ""};
    QVERIFY2(result.lines == snake + QStringList{""} + white || result.lines == white + QStringList{""} + snake,
             qPrintable(result.lines.join(QLatin1Char('|'))));
}

void DreamLookupTest::contentOfTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("known") << "白蛇" << QStringList({"白蛇的解析", "第二行"});
    QTest::newRow("unknown gives no lines") << "龙" << QStringList();
}

void DreamLookupTest::contentOfTitle()
{
    QFETCH(QString, title);
    QFETCH(QStringList, lines);
    Query query = connected();
    QStringList found = {QStringLiteral("left from before")};
    QVERIFY(DreamLookup::contentOfTitle(query, title, found));
    QCOMPARE(found, lines);
}

void DreamLookupTest::statistics()
{
    Query query = connected();
    QList<CategoryStats> categories;
    QVERIFY(DreamLookup::statistics(query, categories));
    QCOMPARE(categories.size(), 4);
    const QList<std::tuple<QString, int, qint64>> expected = {
        {"人物类", 2, 10}, {"动物类", 2, 4 + 10}, {"植物类", 1, 5}, {"空类", 0, 0}};
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(categories.at(i).name, std::get<0>(expected.at(i)));
        QCOMPARE(categories.at(i).entries, std::get<1>(expected.at(i)));
        QCOMPARE(categories.at(i).characters, std::get<2>(expected.at(i)));
    }
}

void DreamLookupTest::unreadableDatabase()
{
    QTemporaryDir dir;
    Query query;
    query.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=")
                              + dir.filePath(QStringLiteral("dream.dll")));
    QStringList names;
    QVERIFY(!categoryNames(query, names));
    QVERIFY(!titlesOfCategoryName(query, QStringLiteral("动物类"), names));
    SearchResult result;
    QVERIFY(!DreamLookup::search(query, QStringLiteral("蛇"), SearchMode::Substring, result));
    QVERIFY(!DreamLookup::contentOfTitle(query, QStringLiteral("蛇"), names));
    QList<CategoryStats> categories;
    QVERIFY(!DreamLookup::statistics(query, categories));
    QVERIFY(names.isEmpty());
    QCOMPARE(query.failure(), QueryFailure::Missing);
}

QTEST_GUILESS_MAIN(DreamLookupTest)
#include "tst_dreamlookup.moc"
