#include "dream/DreamSearch.h"
#include "support/Fixture.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>

class SearchTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void normalizeQuery_data();
    void normalizeQuery();
    void firstHit_data();
    void firstHit();
    void ranksWithinTiers_data();
    void ranksWithinTiers();
    void descriptionFindsEveryTerm();
    void snippetShowsTheMatch();
    void relatedAndSuggestions();
    void badInput_data();
    void badInput();
    void databaseWithoutSearchTables();
    void unreadableDatabase();

private:
    FixtureProgramDir m_fixture;
    DreamSearch m_search;
};

namespace {

QString entries()
{
    return tsv({{"CLASEID", "TITLE", "CONENT"},
                {"03", "百事", "百事顺心。"},
                {"01", "蛇", "蛇是常见的梦。\\n第二行说蛇的另一面。"},
                {"01", "白蛇", "梦见白蛇，多半与贵人和财运有关。"},
                {"01", "被蛇咬", "被蛇咬的梦提醒你留心身边的小人。"},
                {"01", "很多蛇", "很多蛇聚在一起，说明事情纷杂。"},
                {"01", "拜神", "拜神的梦与心愿有关。"},
                {"02", "掉牙", "掉牙的梦常与家中长辈的健康相连。"},
                {"02", "长头发", "头发长长，寓意思虑绵长。"},
                {"02", "腿", "腿脚有力，说明行动顺利。"},
                {"02", "吃撑了", "吃得太饱，提醒你节制。"},
                {"02", "做B超", "做B超的梦关乎身体检查。"},
                {"02", "三只眼", "多长一只眼，是看清真相的愿望。"},
                {"03", "父亲", "父亲代表依靠与责任，梦里常见他叮嘱。"},
                {"03", "梦中梦", "梦里又做梦，说明心事重重。"}});
}

QString aliases()
{
    return tsv({{"ALIAS", "TITLE"},
                {"老爹", "父亲"},
                {"牙掉了", "掉牙"},
                {"白娘子", "白蛇"},
                {"白长虫", "白蛇"}});
}

QStringList titlesOf(const QList<DreamSearch::Hit> &hits)
{
    QStringList titles;
    for (const DreamSearch::Hit &hit : hits)
        titles << hit.title;
    return titles;
}

QByteArray digestOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

void SearchTest::initTestCase()
{
    QVERIFY2(m_fixture.build({{QStringLiteral("Tclass.tsv"),
                               tsv({{"ZMID", "ZMCLASS"}, {"01", "动物类"}, {"02", "身体类"}, {"03", "人物类"}})},
                              {QStringLiteral("JMTable.tsv"), entries()},
                              {QStringLiteral("aliases.tsv"), aliases()}}),
             qPrintable(m_fixture.errors.join('\n')));
    QVERIFY(m_search.load(m_fixture.databasePath()));
    QCOMPARE(m_search.entryCount(), 14);
}

void SearchTest::normalizeQuery_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("understood");
    QTest::newRow("blanks") << "  白蛇 \t" << "白蛇";
    QTest::newRow("full-width letters") << "ＢＡＩ ｓｈｅ１" << "bai she1";
    QTest::newRow("traditional") << "夢見長頭髮" << "长头发";
    QTest::newRow("dream phrase") << "梦见白蛇" << "白蛇";
    QTest::newRow("who and when") << "前天夜里我梦到了一条白蛇" << "白蛇";
    QTest::newRow("told twice") << "昨晚做了个梦，梦见白蛇！" << "白蛇";
    QTest::newRow("particles") << "我梦见蛇了啊。" << "蛇";
    QTest::newRow("only the phrase") << "梦见" << "";
    QTest::newRow("only punctuation") << "！？。…" << "";
    QTest::newRow("no dream verb") << "今天白蛇" << "今天白蛇";
    QTest::newRow("control characters") << QString::fromUtf16(u"白\u0001蛇\u200b") << "白 蛇";
    QTest::newRow("half a surrogate pair") << QString::fromUtf16(u"白\xD800蛇") << "白蛇";
    QTest::newRow("trailing emoji") << "梦见蛇😱" << "蛇";
    QTest::newRow("latin case") << "做B超" << "做b超";
    QTest::newRow("blank after the counting word") << QString::fromUtf16(u"梦到一条\u0011白蛇") << "白蛇";
}

void SearchTest::normalizeQuery()
{
    QFETCH(QString, query);
    QFETCH(QString, understood);
    QCOMPARE(DreamSearch::normalizeQuery(query), understood);
}

void SearchTest::firstHit_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("title");
    QTest::addColumn<DreamSearch::Match>("match");
    QTest::newRow("title") << "蛇" << "蛇" << DreamSearch::Match::Exact;
    QTest::newRow("dream phrase") << "梦见白蛇" << "白蛇" << DreamSearch::Match::Exact;
    QTest::newRow("traditional") << "夢見白蛇" << "白蛇" << DreamSearch::Match::Exact;
    QTest::newRow("title that starts like a dream phrase") << "梦中梦" << "梦中梦" << DreamSearch::Match::Exact;
    QTest::newRow("title that starts with a count") << "三只眼" << "三只眼" << DreamSearch::Match::Exact;
    QTest::newRow("title ending in a particle") << "吃撑" << "吃撑了" << DreamSearch::Match::Exact;
    QTest::newRow("latin letter in a title") << "做b超" << "做B超" << DreamSearch::Match::Exact;
    QTest::newRow("alias") << "老爹" << "父亲" << DreamSearch::Match::Alias;
    QTest::newRow("alias with particle") << "牙掉了" << "掉牙" << DreamSearch::Match::Alias;
    QTest::newRow("part of a title") << "头发" << "长头发" << DreamSearch::Match::Title;
    QTest::newRow("description") << "前天夜里梦到一条白蛇缠住我的腿" << "白蛇" << DreamSearch::Match::Narrative;
    QTest::newRow("pinyin") << "baishe" << "白蛇" << DreamSearch::Match::Pinyin;
    QTest::newRow("pinyin with tones and blanks") << "Bái Shé" << "白蛇" << DreamSearch::Match::Pinyin;
    QTest::newRow("pinyin with tone digits") << "bai2 she2" << "白蛇" << DreamSearch::Match::Pinyin;
    QTest::newRow("pinyin after a dream verb") << "mengjian baishe" << "白蛇" << DreamSearch::Match::Pinyin;
    QTest::newRow("polyphonic chang") << "changtoufa" << "长头发" << DreamSearch::Match::Pinyin;
    QTest::newRow("polyphonic zhang") << "zhangtoufa" << "长头发" << DreamSearch::Match::Pinyin;
    QTest::newRow("pinyin of an alias") << "laodie" << "父亲" << DreamSearch::Match::Pinyin;
    QTest::newRow("pinyin being typed") << "baish" << "白蛇" << DreamSearch::Match::Pinyin;
    QTest::newRow("initials") << "bs" << "白蛇" << DreamSearch::Match::Initials;
    QTest::newRow("initials with zh") << "zhtf" << "长头发" << DreamSearch::Match::Initials;
    QTest::newRow("initials of a polyphone") << "dy" << "掉牙" << DreamSearch::Match::Initials;
    QTest::newRow("full text") << "贵人" << "白蛇" << DreamSearch::Match::FullText;
}

void SearchTest::firstHit()
{
    QFETCH(QString, query);
    QFETCH(QString, title);
    QFETCH(DreamSearch::Match, match);
    const QList<DreamSearch::Hit> hits = m_search.search(query, 5);
    QVERIFY2(!hits.isEmpty(), qPrintable(query));
    QCOMPARE(hits.first().title, title);
    QCOMPARE(hits.first().match, match);
    QCOMPARE(hits.first().category, m_search.categoryOf(title));
}

void SearchTest::ranksWithinTiers_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("titles");
    // Shorter subjects first; among equals the one with more aliases.
    QTest::newRow("titles containing the query") << "蛇" << QStringList{"蛇", "白蛇", "被蛇咬", "很多蛇"};
    // 百事 comes first in the source; 白蛇 has aliases.
    QTest::newRow("initials, more aliases first") << "bs" << QStringList{"白蛇", "百事", "拜神"};
    // A whole syllable in a title ranks above a reading only begun (拜神).
    QTest::newRow("complete syllables before begun ones") << "baishe" << QStringList{"白蛇", "拜神"};
}

void SearchTest::ranksWithinTiers()
{
    QFETCH(QString, query);
    QFETCH(QStringList, titles);
    const QStringList found = titlesOf(m_search.search(query, 20));
    QCOMPARE(found.mid(0, titles.size()), titles);
}

void SearchTest::descriptionFindsEveryTerm()
{
    const QList<DreamSearch::Hit> hits = m_search.search(QStringLiteral("梦见白蛇缠住我的腿，很害怕"), 10);
    const QStringList titles = titlesOf(hits);
    // 白蛇 and 腿 are read from the sentence; 蛇 inside 白蛇 ranks after both.
    QCOMPARE(titles.mid(0, 2), (QStringList{"白蛇", "腿"}));
    QVERIFY(titles.indexOf(QStringLiteral("蛇")) > 1);
    QCOMPARE(hits.at(0).match, DreamSearch::Match::Narrative);
    QVERIFY(hits.at(0).words.contains(QStringLiteral("腿")));
    // 很害怕 holds no entry: no word of it is taken for one.
    QVERIFY(!titles.contains(QStringLiteral("很多蛇")));
}

void SearchTest::snippetShowsTheMatch()
{
    const QList<DreamSearch::Hit> hits = m_search.search(QStringLiteral("白娘子"), 1);
    QCOMPARE(hits.size(), 1);
    const DreamSearch::Hit &hit = hits.first();
    QCOMPARE(hit.title, QStringLiteral("白蛇"));
    QCOMPARE(hit.matchedTerm, QStringLiteral("白娘子"));
    QVERIFY(hit.words.contains(QStringLiteral("白蛇")));
    QVERIFY(!hit.spans.isEmpty());
    for (const DreamSearch::Span &span : hit.spans)
        QVERIFY(hit.words.contains(hit.snippet.mid(span.start, span.length)));

    // A text over several lines gives one line; a long one is cut with an ellipsis.
    const DreamSearch::Hit snake = m_search.search(QStringLiteral("另一面"), 1).value(0);
    QCOMPARE(snake.title, QStringLiteral("蛇"));
    QVERIFY(!snake.snippet.contains(QLatin1Char('\n')) && !snake.snippet.contains(QLatin1Char('\r')));
    QCOMPARE(snake.spans.size(), 1);
    QCOMPARE(snake.snippet.mid(snake.spans.first().start, snake.spans.first().length), QStringLiteral("另一面"));
}

void SearchTest::relatedAndSuggestions()
{
    const QStringList related = m_search.related(QStringLiteral("白蛇"), 8);
    QVERIFY(!related.contains(QStringLiteral("白蛇")));
    QCOMPARE(related.mid(0, 1), QStringList{QStringLiteral("蛇")});
    QVERIFY(related.contains(QStringLiteral("被蛇咬")));
    QVERIFY(!related.contains(QStringLiteral("掉牙")));
    QCOMPARE(m_search.related(QStringLiteral("白蛇"), 2).size(), 2);
    QVERIFY(m_search.related(QStringLiteral("没有这条"), 8).isEmpty());

    QVERIFY(m_search.search(QStringLiteral("白猫"), 5).isEmpty());
    const QStringList nearest = m_search.suggestions(QStringLiteral("白猫"));
    QVERIFY(nearest.contains(QStringLiteral("白蛇")));
    QVERIFY(m_search.suggestions(QStringLiteral("！！")).isEmpty());
    QCOMPARE(m_search.titlesOfCategory(QStringLiteral("人物类")), (QStringList{"百事", "父亲", "梦中梦"}));
}

void SearchTest::badInput_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("empty");
    QTest::newRow("100,000 characters") << QStringLiteral("梦见白蛇").repeated(25000) << false;
    QTest::newRow("100,000 letters") << QStringLiteral("a").repeated(100000) << true;
    QTest::newRow("control characters") << QString::fromUtf16(u"\u0001\u0002\u001b[0m\u007f") << false;
    QTest::newRow("only punctuation") << "。，！？……——" << true;
    QTest::newRow("only the dream phrase") << "梦见" << true;
    QTest::newRow("sql") << "白蛇' or '1'='1'; drop table JMTable; --" << false;
    QTest::newRow("like wildcards") << "%" << true;
    QTest::newRow("underscore") << "_" << true;
    QTest::newRow("emoji") << "🐍🐍" << true;
    QTest::newRow("outside GBK") << QString::fromUtf16(u"\U00020000\U0002A6D6") << true;
    QTest::newRow("nul") << QString(QChar(0)) << true;
    QTest::newRow("empty") << QString() << true;
}

void SearchTest::badInput()
{
    QFETCH(QString, query);
    QFETCH(bool, empty);
    const QByteArray before = digestOf(m_fixture.databasePath());
    const QList<DreamSearch::Hit> hits = m_search.search(query, 10);
    QVERIFY(hits.size() <= 10);
    if (empty)
        QVERIFY2(hits.isEmpty(), qPrintable(titlesOf(hits).join(' ')));
    QVERIFY(DreamSearch::normalizeQuery(query).size() <= DreamSearch::maxQueryLength);
    m_search.suggestions(query);
    QCOMPARE(digestOf(m_fixture.databasePath()), before);
}

void SearchTest::databaseWithoutSearchTables()
{
    FixtureProgramDir fixture;
    QVERIFY(fixture.build({{QStringLiteral("Tclass.tsv"), tsv({{"ZMID", "ZMCLASS"}, {"01", "动物类"}, {"02", "身体类"}, {"03", "人物类"}})},
                           {QStringLiteral("JMTable.tsv"), entries()}}));
    QVERIFY(fixture.execute(QStringLiteral("DROP TABLE JMAlias; DROP TABLE JMPinyin;")));
    DreamSearch search;
    QVERIFY(search.load(fixture.databasePath()));
    QCOMPARE(search.search(QStringLiteral("梦见白蛇"), 1).value(0).title, QStringLiteral("白蛇"));
    QVERIFY(search.search(QStringLiteral("baishe"), 5).isEmpty());
}

void SearchTest::unreadableDatabase()
{
    DreamSearch search;
    QString error;
    QVERIFY(!search.load(m_fixture.path() + QStringLiteral("/none.dll"), &error));
    QVERIFY(error.contains(QStringLiteral("none.dll")));
    QVERIFY(!search.loaded());
    QVERIFY(search.search(QStringLiteral("白蛇"), 5).isEmpty());

    const QString garbage = m_fixture.path() + QStringLiteral("/garbage.dll");
    QFile file(garbage);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    QVERIFY(!search.load(garbage));
    QVERIFY(search.related(QStringLiteral("白蛇")).isEmpty());
}

QTEST_GUILESS_MAIN(SearchTest)
#include "tst_search.moc"
