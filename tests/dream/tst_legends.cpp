#include "data/GbkText.h"
#include "dream/DreamLegends.h"
#include "support/Fixture.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

class LegendsTest : public QObject
{
    Q_OBJECT
private slots:
    void opening();
    void sections_data();
    void sections();
    void phrasesAreOmensAndNeverRepeat();
    void everyLineIsGbk();
    void cliPrintsTheTextAsStored();
    void cliRefusesArguments();
};

namespace {

struct Section
{
    const char *ordinal;
    const char *subjects;
    int bodyLines;
};

const Section expectedSections[] = {
    {"一", "天地 日月 星辰", 16},    {"二", "地理 山石 树木", 13},    {"三", "身体 面目 齿发", 8},
    {"四", "冠带 衣服 鞋袜", 13},    {"五", "刀剑 旌节 钟鼓", 10},    {"六", "帝王 文武 呼召", 6},
    {"七", "宫室 屋宇 仓库", 13},    {"八", "门户 井灶 橱厕", 13},    {"九", "金银 珠玉 绢帛", 7},
    {"十", "镜环 钗钏 梳篦", 6},     {"十一", "床帐 毡褥 匙箸", 15},  {"十二", "船车 游行 物价", 8},
    {"十三", "道路 桥梁 集市", 4},   {"十四", "夫妻 产孕 交欢", 5},   {"十五", "饮食 酒肉 瓜果", 10},
    {"十六", "冢墓 棺椁 迎送", 4},   {"十七", "文书 笔墨 兵器", 10},  {"十八", "哀乐 病死 歌唱", 8},
    {"十九", "佛道 僧尼 鬼神", 6},   {"二十", "杀害 斗伤 打骂", 7},   {"二十一", "扑禁 刑罚 狱具", 7},
    {"二十二", "田园 五谷 耕种", 8}, {"二十三", "水火 盗贼 灯烛", 7}, {"二十四", "污垢 沐浴 凌辱", 4},
    {"二十五", "龙蛇 禽兽 等类", 17}, {"二十六", "牛马 猪羊 六畜", 8}, {"二十七", "龟鳖 鱼虾 昆虫", 9},
};

constexpr int openingLines = 8;

const QRegularExpression versePattern(QStringLiteral("^\\p{Han}{5}( \\p{Han}{5})*$"));
const QRegularExpression omenPattern(QStringLiteral("^\\p{Han}{7}$"));

int sectionStart(int index)
{
    int line = openingLines;
    for (int i = 0; i < index; ++i)
        line += expectedSections[i].bodyLines + 3;
    return line;
}

QStringList bodyLines()
{
    const QStringList lines = dreamLegendLines();
    QStringList body;
    for (int i = 0; i < int(std::size(expectedSections)); ++i) {
        const int first = sectionStart(i) + 2;
        body << lines.mid(first, expectedSections[i].bodyLines);
    }
    return body;
}

} // namespace

void LegendsTest::opening()
{
    const QStringList lines = dreamLegendLines();
    QCOMPARE(lines.size(), 331);
    QCOMPARE(lines.at(0), QStringLiteral("<Title1>周公解梦"));
    QCOMPARE(lines.at(1), QString());
    QCOMPARE(lines.at(2), QStringLiteral("<Title2>诗曰:"));
    QCOMPARE(lines.at(3), QString());
    for (int i : {4, 5})
        QVERIFY2(versePattern.match(lines.at(i)).hasMatch(), qPrintable(lines.at(i)));
    QCOMPARE(lines.at(6), QString());
    QCOMPARE(lines.at(7), QString());
    QCOMPARE(sectionStart(int(std::size(expectedSections))), 331);
}

void LegendsTest::sections_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(expectedSections)); ++i)
        QTest::newRow(expectedSections[i].ordinal) << i;
}

void LegendsTest::sections()
{
    QFETCH(int, index);
    const QStringList lines = dreamLegendLines();
    const Section &section = expectedSections[index];
    const int start = sectionStart(index);
    QCOMPARE(lines.at(start), QStringLiteral("<Title2>") + QString::fromUtf8(section.ordinal) + QStringLiteral("、")
                                  + QString::fromUtf8(section.subjects));
    QCOMPARE(lines.at(start + 1), QStringLiteral("<Text1>"));
    for (int i = 0; i < section.bodyLines; ++i) {
        const QString &line = lines.at(start + 2 + i);
        const QStringList phrases = line.split(QLatin1Char(' '));
        const bool last = i == section.bodyLines - 1;
        QVERIFY2(last ? phrases.size() <= 4 : phrases.size() == 4, qPrintable(line));
        for (const QString &phrase : phrases)
            QVERIFY2(omenPattern.match(phrase).hasMatch(), qPrintable(line));
    }
    QCOMPARE(lines.at(start + 2 + section.bodyLines), QString());
}

void LegendsTest::phrasesAreOmensAndNeverRepeat()
{
    QSet<QString> seen;
    int count = 0;
    for (const QString &line : bodyLines()) {
        for (const QString &phrase : line.split(QLatin1Char(' '))) {
            // A dream and what it foretells.
            QVERIFY2(phrase.startsWith(QStringLiteral("梦")) && phrase.indexOf(QStringLiteral("主")) >= 3,
                     qPrintable(phrase));
            QVERIFY2(!seen.contains(phrase), qPrintable(phrase));
            seen.insert(phrase);
            ++count;
        }
    }
    QVERIFY(count > 4 * (242 - 27));
    const QStringList lines = dreamLegendLines();
    for (int i : {4, 5}) {
        for (const QString &phrase : lines.at(i).split(QLatin1Char(' '))) {
            QVERIFY2(!seen.contains(phrase), qPrintable(phrase));
            seen.insert(phrase);
        }
    }
}

void LegendsTest::everyLineIsGbk()
{
    QVERIFY(gbkAvailable());
    for (const QString &line : dreamLegendLines())
        QVERIFY2(representableInGbk(line), qPrintable(line));
}

void LegendsTest::cliPrintsTheTextAsStored()
{
    const ProgramRun run = runProgram(QStringLiteral(VELMORA_CLI), {QStringLiteral("legends")});
    QCOMPARE(run.status, 0);
    QString out = run.out;
    QVERIFY(out.endsWith(QLatin1Char('\n')));
    out.chop(1);
    QCOMPARE(out.split(QLatin1Char('\n')), dreamLegendLines());
}

void LegendsTest::cliRefusesArguments()
{
    const ProgramRun run = runProgram(QStringLiteral(VELMORA_CLI), {QStringLiteral("legends"), QStringLiteral("more")});
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.contains(QStringLiteral("usage")));
}

QTEST_GUILESS_MAIN(LegendsTest)
#include "tst_legends.moc"
