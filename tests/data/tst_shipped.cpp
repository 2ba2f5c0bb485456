#include "data/Query.h"
#include "data/uShare.h"
#include "support/Fixture.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QRegularExpression>
#include <QTest>

// The dictionary as shipped: the built dream.dll against its source text.
class ShippedDictionaryTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sizeAndCategories();
    void titles();
    void textLengths();
    void everyEntryDecodesToItsSource();
    void noTextReused();
    void stockPhrasesRationed();
    void titleFormsConsistent();
    void pairingOrdersSayDifferentThings();
    void pairingsAvoidStockEndings();
    void phoneTitlesNeverRecycleAPhrase();
    void boneVersesAreDistinct();

private:
    struct Entry
    {
        QString category;
        QString title;
        QString text;
        QString where;
    };
    QList<Entry> m_source;
    QHash<QString, QString> m_categories; // code -> name
};

void ShippedDictionaryTest::initTestCase()
{
    setAppPath(programDirPath(QString()));
    QVERIFY2(QFile::exists(programDirPath(QStringLiteral("dream.dll"))), "build dream.dll first");
    Query query;
    query.setConnectionString(GetConnStr());
    query.setSql(QStringLiteral("select ZMID, ZMCLASS from Tclass"));
    QVERIFY(query.open());
    for (; !query.eof(); query.next())
        m_categories.insert(query.text(0), query.text(1));

    const QDir folder(sourceTreePath(QStringLiteral("data-src/JMTable")));
    for (const QString &name : folder.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QStringLiteral("CLASEID\tTITLE\tCONENT"));
        for (int n = 1; n < lines.size(); ++n) {
            if (lines.at(n).isEmpty())
                continue;
            const QStringList fields = lines.at(n).split(QLatin1Char('\t'));
            QCOMPARE(fields.size(), 3);
            QString text = fields.at(2);
            text.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
            m_source.append({fields.at(0), fields.at(1), text, QStringLiteral("%1:%2").arg(name).arg(n + 1)});
        }
    }
}

void ShippedDictionaryTest::sizeAndCategories()
{
    QVERIFY(m_categories.size() >= 12);
    QVERIFY2(m_source.size() >= 2200, qPrintable(QString::number(m_source.size())));
    QHash<QString, int> perCategory;
    for (const Entry &entry : m_source) {
        QVERIFY2(m_categories.contains(entry.category), qPrintable(entry.where));
        ++perCategory[entry.category];
    }
    for (auto it = m_categories.cbegin(); it != m_categories.cend(); ++it)
        QVERIFY2(perCategory.value(it.key()) >= 50, qPrintable(it.value()));
}

void ShippedDictionaryTest::titles()
{
    QSet<QString> seen;
    for (const Entry &entry : m_source) {
        const QString key = entry.title.toLower();
        QVERIFY2(!seen.contains(key), qPrintable(entry.where + QLatin1Char(' ') + entry.title));
        seen.insert(key);
        QVERIFY2(trimText(entry.title) == entry.title && !entry.title.isEmpty(), qPrintable(entry.where));
        QVERIFY2(!entry.title.startsWith(QStringLiteral("梦见")), qPrintable(entry.where));
        QVERIFY2(entry.title.size() <= 10, qPrintable(entry.where));
    }
}

void ShippedDictionaryTest::textLengths()
{
    for (const Entry &entry : m_source) {
        const qsizetype length = entry.text.size();
        QVERIFY2(length >= 60 && length <= 400, qPrintable(QStringLiteral("%1 %2: %3").arg(entry.where, entry.title).arg(length)));
    }
}

void ShippedDictionaryTest::everyEntryDecodesToItsSource()
{
    Query query;
    query.setConnectionString(GetConnStr());
    query.setSql(QStringLiteral("select TITLE, CONENT, CLASEID from JMTable"));
    QVERIFY(query.open());
    QHash<QString, QPair<QString, QString>> stored;
    for (; !query.eof(); query.next())
        stored.insert(query.text(0), {DecodeContent(trimText(query.text(1)), contentKey, contentRounds), query.text(2)});
    QCOMPARE(stored.size(), m_source.size());
    for (const Entry &entry : m_source) {
        QVERIFY2(stored.contains(entry.title), qPrintable(entry.where));
        QCOMPARE(stored.value(entry.title).first, entry.text);
        QCOMPARE(stored.value(entry.title).second, entry.category);
    }
}

void ShippedDictionaryTest::noTextReused()
{
    // A text written once for one subject: no two entries share a sentence of 20 characters or more.
    QHash<QString, QString> sentences;
    for (const Entry &entry : m_source) {
        for (const QString &sentence : entry.text.split(QRegularExpression(QStringLiteral("[。！？；]")))) {
            if (sentence.size() < 20)
                continue;
            const QString other = sentences.value(sentence, entry.title);
            QVERIFY2(other == entry.title,
                     qPrintable(QStringLiteral("%1 and %2 share: %3").arg(entry.title, other, sentence)));
            sentences.insert(sentence, entry.title);
        }
    }
}

void ShippedDictionaryTest::stockPhrasesRationed()
{
    // Texts written for their subject, not to a template: no run of six characters in more
    // than 15 entries, and the stock word 提醒 in fewer than a quarter of them.
    constexpr int runLength = 6;
    constexpr int mostEntries = 15;
    QHash<QString, int> entriesWithRun;
    int reminders = 0;
    for (const Entry &entry : m_source) {
        QSet<QString> runs;
        for (qsizetype i = 0; i + runLength <= entry.text.size(); ++i) {
            const QString run = entry.text.mid(i, runLength);
            if (!run.contains(QLatin1Char('\n')) && !run.contains(QLatin1Char('\r')))
                runs.insert(run);
        }
        for (const QString &run : std::as_const(runs))
            ++entriesWithRun[run];
        if (entry.text.contains(QStringLiteral("提醒")))
            ++reminders;
    }
    for (auto it = entriesWithRun.cbegin(); it != entriesWithRun.cend(); ++it)
        QVERIFY2(it.value() <= mostEntries, qPrintable(QStringLiteral("%1 in %2 entries").arg(it.key()).arg(it.value())));
    QVERIFY2(reminders * 4 < m_source.size(), qPrintable(QStringLiteral("提醒 in %1 entries").arg(reminders)));
}

void ShippedDictionaryTest::titleFormsConsistent()
{
    // One form per subject: 被蛇追, 蛇追我 and 蛇追 never stand side by side as titles.
    static const QRegularExpression fillers(QStringLiteral("[被我了]"));
    QHash<QString, QString> titleOfBareForm;
    for (const Entry &entry : m_source) {
        QString bare = entry.title;
        bare.remove(fillers);
        const QString other = titleOfBareForm.value(bare, entry.title);
        QVERIFY2(other == entry.title, qPrintable(QStringLiteral("%1 and %2 differ only by 被/我/了").arg(other, entry.title)));
        titleOfBareForm.insert(bare, entry.title);
    }
}

namespace {

// Every row of a table of the shipped file, its fields as text.
QList<QStringList> shippedRows(const QString &sql, int columns)
{
    Query query;
    query.setConnectionString(GetConnStr());
    query.setSql(sql);
    QList<QStringList> rows;
    if (!query.open())
        return rows;
    for (; !query.eof(); query.next()) {
        QStringList fields;
        for (int i = 0; i < columns; ++i)
            fields.append(query.text(i));
        rows.append(fields);
    }
    return rows;
}

// The text as the other order of the pair would say it: man and woman, he and she, and the two signs swapped.
QString mirrored(QString text, const QString &sign, const QString &otherSign)
{
    const QChar hold(0xE000);
    text.replace(sign, QString(hold)).replace(otherSign, sign).replace(hold, otherSign);
    for (QChar &c : text) {
        for (const auto &[one, other] : {std::pair{u'男', u'女'}, std::pair{u'他', u'她'}}) {
            if (c == one) {
                c = other;
                break;
            }
            if (c == other) {
                c = one;
                break;
            }
        }
    }
    return text;
}

// The first run of `length` characters of `text` that `other` holds too, or an empty text.
QString sharedRun(const QString &text, const QString &other, int length)
{
    for (qsizetype i = 0; i + length <= text.size(); ++i) {
        const QString run = text.mid(i, length);
        if (!run.contains(QLatin1Char('\n')) && other.contains(run))
            return run;
    }
    return {};
}

const QStringList signNames = {QStringLiteral("水瓶"), QStringLiteral("白羊"), QStringLiteral("金牛"),
                               QStringLiteral("双子"), QStringLiteral("巨蟹"), QStringLiteral("狮子"),
                               QStringLiteral("处女"), QStringLiteral("天秤"), QStringLiteral("天蝎"),
                               QStringLiteral("射手"), QStringLiteral("摩羯"), QStringLiteral("双鱼")};

} // namespace

void ShippedDictionaryTest::pairingOrdersSayDifferentThings()
{
    // 水瓶男与白羊女 and 白羊男与水瓶女 are two readings, not one text with the roles swapped.
    const QList<QStringList> rows =
        shippedRows(QStringLiteral("select xingzuo1, xingzuo2, title, content1, content2 from xingzuolove"), 5);
    QCOMPARE(rows.size(), 144);
    QHash<QString, QString> texts;
    QSet<QString> subtitles;
    for (const QStringList &row : rows) {
        texts.insert(row.at(0) + row.at(1), row.at(3) + QLatin1Char('\n') + row.at(4));
        const QString subtitle = row.at(2).section(QStringLiteral("："), 1);
        QVERIFY2(!subtitle.isEmpty() && !subtitles.contains(subtitle), qPrintable(row.at(2)));
        subtitles.insert(subtitle);
    }
    for (int a = 0; a < signNames.size(); ++a) {
        for (int b = a + 1; b < signNames.size(); ++b) {
            const QString one = signNames.at(a) + QStringLiteral("座");
            const QString other = signNames.at(b) + QStringLiteral("座");
            QVERIFY(texts.contains(one + other) && texts.contains(other + one));
            const QString run = sharedRun(texts.value(one + other),
                                          mirrored(texts.value(other + one), signNames.at(a), signNames.at(b)), 12);
            QVERIFY2(run.isEmpty(), qPrintable(QStringLiteral("%1/%2 share: %3").arg(one, other, run)));
        }
    }
}

void ShippedDictionaryTest::pairingsAvoidStockEndings()
{
    const QList<QStringList> rows =
        shippedRows(QStringLiteral("select title, content1, content2 from xingzuolove"), 3);
    QCOMPARE(rows.size(), 144);
    // "水瓶男要……，白羊女也要……": advice handed out to both in one breath.
    const QRegularExpression twoSided(
        QStringLiteral("[男女](要|需要|得|应该?)[^。！？]*[，；][^。！？]*[男女]也(要|需要|得|应该?)"));
    const QRegularExpression sentenceEnd(QStringLiteral("[。！？]"));
    QHash<QString, int> closingRuns;
    for (const QStringList &row : rows) {
        const QString text = row.at(1) + QLatin1Char('\n') + row.at(2);
        const QRegularExpressionMatch match = twoSided.match(text);
        QVERIFY2(!match.hasMatch(), qPrintable(row.at(0) + QStringLiteral(": ") + match.captured()));

        QString closing = row.at(2).split(sentenceEnd, Qt::SkipEmptyParts).constLast();
        for (const QString &sign : signNames)
            closing.replace(sign, QStringLiteral("Ｘ"));
        QSet<QString> runs;
        for (qsizetype i = 0; i + 6 <= closing.size(); ++i)
            runs.insert(closing.mid(i, 6));
        for (const QString &run : std::as_const(runs))
            ++closingRuns[run];
    }
    for (auto it = closingRuns.cbegin(); it != closingRuns.cend(); ++it)
        QVERIFY2(it.value() <= 5, qPrintable(QStringLiteral("%1 closing sentences share: %2").arg(it.value()).arg(it.key())));
}

void ShippedDictionaryTest::phoneTitlesNeverRecycleAPhrase()
{
    const QList<QStringList> rows = shippedRows(QStringLiteral("select num, title from shouji"), 2);
    QCOMPARE(rows.size(), 80);
    QHash<QString, QString> phrases; // phrase -> reading number
    for (const QStringList &row : rows) {
        const QStringList parts = row.at(1).split(QStringLiteral("，"));
        QVERIFY2(parts.size() == 2 && parts.at(0).size() == 4 && parts.at(1).size() == 4, qPrintable(row.at(1)));
        for (const QString &phrase : parts) {
            for (auto it = phrases.cbegin(); it != phrases.cend(); ++it) {
                // 石上栽花 beside 石上开花 says the same thing twice.
                int same = 0;
                for (int i = 0; i < 4; ++i)
                    same += phrase.at(i) == it.key().at(i);
                QVERIFY2(same < 3, qPrintable(QStringLiteral("%1 (%2) and %3 (%4)").arg(phrase, row.at(0), it.key(), it.value())));
            }
        }
        for (const QString &phrase : parts)
            phrases.insert(phrase, row.at(0));
    }
}

void ShippedDictionaryTest::boneVersesAreDistinct()
{
    const QList<QStringList> rows = shippedRows(QStringLiteral("select weight, content from chenggu"), 2);
    QVERIFY(rows.size() >= 50);
    QHash<QString, QString> lines; // line -> weight code
    QHash<QString, int> heavyWords; // two-character runs of the verses from 4.6 liang up
    for (const QStringList &row : rows) {
        const QStringList verse = row.at(1).split(QRegularExpression(QStringLiteral("[，。]")), Qt::SkipEmptyParts);
        QVERIFY2(verse.size() == 4, qPrintable(row.at(0)));
        for (const QString &line : verse) {
            QVERIFY2(line.size() == 7, qPrintable(row.at(0) + QLatin1Char(' ') + line));
            QVERIFY2(!lines.contains(line), qPrintable(QStringLiteral("%1 and %2: %3").arg(row.at(0), lines.value(line), line)));
            lines.insert(line, row.at(0));
        }
        if (row.at(0).toInt() >= 46) {
            QSet<QString> words;
            for (const QString &line : verse)
                for (qsizetype i = 0; i + 2 <= line.size(); ++i)
                    words.insert(line.mid(i, 2));
            for (const QString &word : std::as_const(words))
                ++heavyWords[word];
        }
    }
    // The heavy weights each get their own picture, not another round of 富贵荣华.
    for (auto it = heavyWords.cbegin(); it != heavyWords.cend(); ++it)
        QVERIFY2(it.value() <= 3, qPrintable(QStringLiteral("%1 verses say %2").arg(it.value()).arg(it.key())));
}

QTEST_GUILESS_MAIN(ShippedDictionaryTest)
#include "tst_shipped.moc"
