#include "dream/DreamSearch.h"
#include "support/Fixture.h"

#include <QFile>
#include <QTest>

// What people most often dream of, typed the way they type it, against the shipped dictionary:
// each subject must bring its entry into the first few hits.
class SubjectsTest : public QObject
{
    Q_OBJECT
private slots:
    void everySubjectFindsItsEntry();
};

void SubjectsTest::everySubjectFindsItsEntry()
{
    DreamSearch search;
    QString error;
    QVERIFY2(search.load(programDirPath(QStringLiteral("dream.dll")), &error), qPrintable(error));

    QFile file(sourceTreePath(QStringLiteral("tests/fixtures/dream-subjects.tsv")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.first().startsWith(QStringLiteral("RANK\tSUBJECT\tTITLE")));
    QVERIFY2(lines.size() > 800, qPrintable(QString::number(lines.size())));

    constexpr int shown = 5;
    QStringList misses;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const QStringList fields = lines.at(n).split(QLatin1Char('\t'));
        QVERIFY2(fields.size() >= 3, qPrintable(QStringLiteral("line %1").arg(n + 1)));
        const QString &subject = fields.at(1);
        const QString &title = fields.at(2);
        QVERIFY2(search.contains(title), qPrintable(QStringLiteral("line %1: no entry %2").arg(n + 1).arg(title)));
        QStringList found;
        for (const DreamSearch::Hit &hit : search.search(subject, shown))
            found.append(hit.title);
        if (!found.contains(title))
            misses.append(QStringLiteral("%1 -> %2 (found %3)").arg(subject, title, found.join(QLatin1Char(' '))));
    }
    QVERIFY2(misses.isEmpty(), qPrintable(misses.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(SubjectsTest)
#include "tst_subjects.moc"
