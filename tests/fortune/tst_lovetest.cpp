#include "data/GbkText.h"
#include "fortune/LoveTest.h"
#include "fortune/StrokeTable.h"

#include <QTest>

class LoveTestTest : public QObject
{
    Q_OBJECT
private slots:
    void strokeTable_data();
    void strokeTable();
    void strokeTableRanges();
    void nameStrokes_data();
    void nameStrokes();
    void fateText_data();
    void fateText();
    void verdict_data();
    void verdict();
};

namespace {

int tableIndex(const QString &character)
{
    const QByteArray bytes = toGbk(character);
    if (bytes.size() != 2)
        return -1;
    return (quint8(bytes.at(0)) - 0xB0) * 94 + (quint8(bytes.at(1)) - 0xA1);
}

const QString radicalForms = QStringLiteral("丨丿丶匚刂冂亻勹亠冫冖讠卩阝廴凵艹廾尢扌囗彡犭夂饣忄丬氵宀辶彐屮纟攵灬礻肀钅疒衤虍");

} // namespace

void LoveTestTest::strokeTable_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("strokes");
    const QString firstRow = QStringLiteral("啊阿埃挨哎唉哀皑癌蔼");
    const QList<int> firstCounts = {10, 7, 10, 10, 8, 10, 9, 11, 17, 14};
    for (int i = 0; i < firstRow.size(); ++i)
        QTest::newRow(qPrintable(firstRow.mid(i, 1))) << firstRow.mid(i, 1) << i << firstCounts.at(i);
    const QString lastRow = QStringLiteral("鼹鼷鼽鼾齄");
    const QList<int> lastCounts = {23, 23, 16, 17, 23};
    for (int i = 0; i < lastRow.size(); ++i)
        QTest::newRow(qPrintable(lastRow.mid(i, 1))) << lastRow.mid(i, 1) << strokeTableSize - 5 + i << lastCounts.at(i);
    const QList<std::pair<const char *, int>> others = {{"一", 1}, {"乙", 1}, {"二", 2}, {"龟", 7},
                                                        {"鼎", 12}, {"蠼", 26}, {"爨", 30}};
    for (const auto &[character, strokes] : others) {
        const QString text = QString::fromUtf8(character);
        QTest::newRow(character) << text << tableIndex(text) << strokes;
    }
}

void LoveTestTest::strokeTable()
{
    QFETCH(QString, character);
    QFETCH(int, index);
    QFETCH(int, strokes);
    QCOMPARE(tableIndex(character), index);
    QCOMPARE(int(StrokeTable.at(std::size_t(index))), strokes);
    QCOMPARE(GetNameStrokes(character), strokes);
}

void LoveTestTest::strokeTableRanges()
{
    QCOMPARE(int(StrokeTable.size()), 6768);
    QList<int> zeros;
    QList<int> thirty;
    for (int i = 0; i < strokeTableSize; ++i) {
        const int strokes = StrokeTable.at(std::size_t(i));
        QVERIFY2(strokes <= 30, qPrintable(QString::number(i)));
        if (strokes == 0)
            zeros << i;
        if (strokes == 30)
            thirty << i;
    }
    QList<int> expectedZeros;
    const int unassigned = (0xD7 - 0xB0) * 94 + (0xFA - 0xA1);
    for (int i = 0; i < 5; ++i)
        expectedZeros << unassigned + i;
    QCOMPARE(radicalForms.size(), 41);
    for (QChar radical : radicalForms)
        expectedZeros << tableIndex(radical);
    std::sort(expectedZeros.begin(), expectedZeros.end());
    QCOMPARE(zeros, expectedZeros);
    QCOMPARE(thirty, QList<int>{tableIndex(QStringLiteral("爨"))});
}

void LoveTestTest::nameStrokes_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("strokes");
    const auto entry = [](int lead, int trail) { return int(StrokeTable.at(std::size_t((lead - 0xB0) * 94 + trail - 0xA1))); };
    QTest::newRow("ASCII") << QByteArray("Tom") << 0;
    QTest::newRow("blanks") << QByteArray("   ") << 0;
    QTest::newRow("two characters") << toGbk(QStringLiteral("啊阿")) << 17;
    QTest::newRow("ASCII between") << toGbk(QStringLiteral("啊 A 阿")) << 17;
    QTest::newRow("radicals count nothing") << toGbk(QStringLiteral("亻氵王")) << 4;
    // The trail of a full-width sign is taken afresh as a lead byte: Ａ is A3 C1.
    QTest::newRow("full-width sign") << toGbk(QStringLiteral("Ａ一")) << entry(0xC1, 0xD2);
    QTest::newRow("lone last lead byte") << QByteArray("\xB0\xA1\xB0") << 10;
    // Pairs outside the table count nothing instead of reading elsewhere.
    QTest::newRow("lead F8") << QByteArray("\xF8\xA1") << 0;
    QTest::newRow("lead FE trail FE") << QByteArray("\xFE\xFE") << 0;
    QTest::newRow("lead FF") << QByteArray("\xFF\xFF") << 0;
    QTest::newRow("trail below A1") << QByteArray("\xB0\x40") << 0;
    QTest::newRow("trail FF") << QByteArray("\xB0\xFF") << 0;
    QTest::newRow("GBK-only character") << toGbk(QStringLiteral("癅啊")) << 10;
    QTest::newRow("last cell") << QByteArray("\xF7\xFE") << 23;
}

void LoveTestTest::nameStrokes()
{
    QFETCH(QByteArray, name);
    QFETCH(int, strokes);
    QCOMPARE(GetNameStrokes(name), strokes);
}

void LoveTestTest::fateText_data()
{
    QTest::addColumn<int>("difference");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "亲密无间 得分88分";
    QTest::newRow("1") << 1 << "永远和你在一起 得分98分";
    QTest::newRow("3") << 3 << "知心朋友 得分70分";
    QTest::newRow("4") << 4 << "心上人 得分96分";
    QTest::newRow("8") << 8 << "男女关系不正常 得分89分";
    QTest::newRow("14") << 14 << "说你坏话的人 得分44分";
    QTest::newRow("18") << 18 << "狼心狗肺的人 得分30分";
    QTest::newRow("24") << 24 << "伴终生 得分96分";
    QTest::newRow("25") << 25 << "恨你又爱你 得分99分";
    QTest::newRow("26") << 26 << "只有天知道,请听下回分解";
    QTest::newRow("300") << 300 << "只有天知道,请听下回分解";
}

void LoveTestTest::fateText()
{
    QFETCH(int, difference);
    QFETCH(QString, text);
    QCOMPARE(GetFateText(difference), text);
}

void LoveTestTest::verdict_data()
{
    QTest::addColumn<QString>("man");
    QTest::addColumn<QString>("woman");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("啊 and 阿") << "啊" << "阿" << "知心朋友 得分70分";
    QTest::newRow("order does not matter") << "阿" << "啊" << "知心朋友 得分70分";
    QTest::newRow("same name") << "王小明" << "王小明" << "亲密无间 得分88分";
    QTest::newRow("Tom and 爨") << "Tom" << "爨" << "只有天知道,请听下回分解";
    QTest::newRow("ASCII names") << "Tom" << "Ann" << "亲密无间 得分88分";
    QTest::newRow("blank name counts 0") << "   " << "啊" << "关系马虎 得分50分";
    QTest::newRow("special pair") << "石青岚" << "柳如眉" << "爱在心间默默关爱 得分99分";
    QTest::newRow("special pair with blanks") << " 石青岚\t" << "\n柳如眉 " << "爱在心间默默关爱 得分99分";
    // Reversed, the pair is counted: 柳如眉 24, 石青岚 20.
    QTest::newRow("special pair reversed") << "柳如眉" << "石青岚" << "心上人 得分96分";
    QTest::newRow("radical forms") << "王亻" << "王" << "亲密无间 得分88分";
}

void LoveTestTest::verdict()
{
    QFETCH(QString, man);
    QFETCH(QString, woman);
    QFETCH(QString, verdict);
    QCOMPARE(LoveTest::verdict(man, woman), verdict);
}

QTEST_GUILESS_MAIN(LoveTestTest)
#include "tst_lovetest.moc"
