#include "data/Query.h"
#include "data/uShare.h"
#include "support/Fixture.h"
#include "tools/DreamDbBuilder.h"

#include <QFile>
#include <QTest>

// The builder's search tables: aliases from aliases.tsv, pinyin keys from Unihan.
class DbAliasesTest : public QObject
{
    Q_OBJECT
private slots:
    void aliasesAndPinyinKeys();
    void pinyinKeys_data();
    void pinyinKeys();
    void rejectsBadAliases_data();
    void rejectsBadAliases();
    void missingReadings();
};

namespace {

const QString categories = tsv({{"ZMID", "ZMCLASS"}, {"01", "动物类"}});
const QString entries = tsv({{"CLASEID", "TITLE", "CONENT"},
                             {"01", "白蛇", "a"},
                             {"01", "长头发", "b"},
                             {"01", "做B超", "c"},
                             {"01", "AB", "d"}});

QString stored(const QString &sql)
{
    Query query;
    query.setConnectionString(GetConnStr());
    if (!query.run(sql))
        return QStringLiteral("<%1>").arg(query.lastError());
    QStringList rows;
    for (; !query.eof(); query.next())
        rows << query.text(0) + QLatin1Char('=') + query.text(1);
    return rows.join(QLatin1Char(';'));
}

} // namespace

void DbAliasesTest::aliasesAndPinyinKeys()
{
    FixtureProgramDir fixture;
    QVERIFY2(fixture.build({{QStringLiteral("Tclass.tsv"), categories},
                            {QStringLiteral("JMTable.tsv"), entries},
                            {QStringLiteral("aliases.tsv"), tsv({{"ALIAS", "TITLE"}, {"白娘子", "白蛇"}, {"长发", "长头发"}})}}),
             qPrintable(fixture.errors.join('\n')));
    QCOMPARE(stored(QStringLiteral("select ALIAS, TITLE from JMAlias order by ALIAS")), QStringLiteral("白娘子=白蛇;长发=长头发"));
    // Every title and alias has a key; the specified table keeps its columns.
    QCOMPARE(stored(QStringLiteral("select count(*), count(distinct TERM) from JMPinyin")), QStringLiteral("6=6"));
    QCOMPARE(stored(QStringLiteral("select TITLE, CLASEID from JMTable where TITLE = '白娘子'")), QString());
}

void DbAliasesTest::pinyinKeys_data()
{
    QTest::addColumn<QString>("term");
    QTest::addColumn<QStringList>("first");  // a common reading of each character
    QTest::addColumn<QStringList>("second"); // another reading the key must hold, or empty
    QTest::newRow("plain") << "白蛇" << QStringList{"bai", "she"} << QStringList{};
    QTest::newRow("polyphone") << "长头发" << QStringList{"zhang", "tou", "fa"} << QStringList{"chang", "", ""};
    QTest::newRow("latin letter") << "做B超" << QStringList{"zuo", "b", "chao"} << QStringList{};
    QTest::newRow("alias") << "长发" << QStringList{"zhang", "fa"} << QStringList{"chang", ""};
}

void DbAliasesTest::pinyinKeys()
{
    QFETCH(QString, term);
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    FixtureProgramDir fixture;
    QVERIFY(fixture.build({{QStringLiteral("Tclass.tsv"), categories},
                           {QStringLiteral("JMTable.tsv"), entries},
                           {QStringLiteral("aliases.tsv"), tsv({{"ALIAS", "TITLE"}, {"长发", "长头发"}})}}));
    Query query;
    query.setConnectionString(GetConnStr());
    QVERIFY(query.run(QStringLiteral("select SYLLABLES from JMPinyin where TERM = ") + quoted(term)));
    // One token per character: common readings split by '/', rare ones after '|'.
    const QStringList tokens = query.text(0).split(QLatin1Char(' '));
    QCOMPARE(tokens.size(), first.size());
    for (int i = 0; i < int(tokens.size()); ++i) {
        const QStringList common = tokens.at(i).section(QLatin1Char('|'), 0, 0).split(QLatin1Char('/'));
        QVERIFY2(common.contains(first.at(i)), qPrintable(query.text(0)));
        if (!second.value(i).isEmpty())
            QVERIFY2(common.contains(second.at(i)), qPrintable(query.text(0)));
    }
}

void DbAliasesTest::rejectsBadAliases_data()
{
    QTest::addColumn<QString>("aliases");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown title") << tsv({{"ALIAS", "TITLE"}, {"白娘子", "白蛇"}, {"老爹", "父亲"}})
                                   << "aliases.tsv:3: alias 老爹 names no entry: 父亲";
    QTest::newRow("alias is a title") << tsv({{"ALIAS", "TITLE"}, {"长头发", "白蛇"}})
                                      << "aliases.tsv:2: alias 长头发 is the title of an entry";
    QTest::newRow("title ignoring case") << tsv({{"ALIAS", "TITLE"}, {"ab", "白蛇"}})
                                         << "aliases.tsv:2: alias ab is the title of an entry";
    QTest::newRow("duplicate alias") << tsv({{"ALIAS", "TITLE"}, {"小白", "白蛇"}, {"长发", "长头发"}, {"小白", "长头发"}})
                                     << "aliases.tsv:4: duplicate alias 小白 (first at";
    QTest::newRow("duplicate ignoring case") << tsv({{"ALIAS", "TITLE"}, {"Xb", "白蛇"}, {"xB", "白蛇"}})
                                             << "aliases.tsv:3: duplicate alias xb";
    QTest::newRow("empty alias") << tsv({{"ALIAS", "TITLE"}, {" ", "白蛇"}}) << "aliases.tsv:2: empty alias";
    QTest::newRow("missing column") << tsv({{"ALIAS"}, {"小白"}}) << "aliases.tsv:1: missing column TITLE";
    QTest::newRow("not gbk") << tsv({{"ALIAS", "TITLE"}, {"蛇🐍", "白蛇"}})
                             << "aliases.tsv:2: ALIAS holds text that GBK cannot represent";
}

void DbAliasesTest::rejectsBadAliases()
{
    QFETCH(QString, aliases);
    QFETCH(QString, error);
    FixtureProgramDir fixture;
    QVERIFY(!fixture.build({{QStringLiteral("Tclass.tsv"), categories},
                            {QStringLiteral("JMTable.tsv"), entries},
                            {QStringLiteral("aliases.tsv"), aliases}}));
    const QString all = fixture.errors.join('\n');
    QVERIFY2(all.contains(error), qPrintable(all));
    QVERIFY(!QFile::exists(fixture.databasePath()));
}

void DbAliasesTest::missingReadings()
{
    FixtureProgramDir fixture;
    const QString source = fixture.path() + QStringLiteral("/source");
    QVERIFY(fixture.build({{QStringLiteral("Tclass.tsv"), categories}}));
    QFile::remove(fixture.databasePath());
    for (const QString &readings : {fixture.path() + QStringLiteral("/none.txt.bz2"), fixture.path() + QStringLiteral("/Tclass.bz2")}) {
        QFile::copy(source + QStringLiteral("/Tclass.tsv"), fixture.path() + QStringLiteral("/Tclass.bz2"));
        QStringList errors;
        QVERIFY(!buildDreamDatabase(source, fixture.databasePath(), errors, readings));
        QVERIFY2(errors.join('\n').contains(readings), qPrintable(errors.join('\n')));
        QVERIFY(!QFile::exists(fixture.databasePath()));
    }
}

QTEST_GUILESS_MAIN(DbAliasesTest)
#include "tst_dbaliases.moc"
