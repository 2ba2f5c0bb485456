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
    QVERIFY2(m_source.size() >= 1500, qPrintable(QString::number(m_source.size())));
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
        QVERIFY2(length >= 80 && length <= 400, qPrintable(QStringLiteral("%1 %2: %3").arg(entry.where, entry.title).arg(length)));
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

QTEST_GUILESS_MAIN(ShippedDictionaryTest)
#include "tst_shipped.moc"
