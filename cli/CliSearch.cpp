#include "cli/Cli.h"

#include "data/DreamSchema.h"
#include "data/Query.h"
#include "data/uShare.h"

#include "data/uShare.h"
#include "dream/DreamSearch.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int defaultLimit = 10;
constexpr int largestLimit = 1000;

QJsonObject toJson(const DreamSearch::Hit &hit)
{
    QJsonArray spans;
    for (const DreamSearch::Span &span : hit.spans)
        spans.append(QJsonArray{int(span.start), int(span.length)});
    return {
        {QStringLiteral("title"), hit.title},
        {QStringLiteral("category"), hit.category},
        {QStringLiteral("match"), DreamSearch::matchName(hit.match)},
        {QStringLiteral("term"), hit.matchedTerm},
        {QStringLiteral("snippet"), hit.snippet},
        {QStringLiteral("spans"), spans},
    };
}

} // namespace

int cliSearch(const QStringList &args)
{
    int limit = defaultLimit;
    bool json = false;
    QStringList words;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--json")) {
            json = true;
        } else if (arg == QLatin1String("--limit")) {
            bool ok = false;
            limit = i + 1 < args.size() ? args.at(++i).toInt(&ok) : 0;
            if (!ok || limit < 1 || limit > largestLimit)
                return badUsage(QStringLiteral("N is a number from 1 to %1").arg(largestLimit));
        } else if (arg.startsWith(QLatin1String("--")) && words.isEmpty()) {
            return badUsage();
        } else {
            words << arg;
        }
    }
    // An unquoted dream told in several words is one text.
    const QString text = trimText(words.join(QLatin1Char(' ')));
    if (text.isEmpty())
        return badUsage();

    const auto index = DreamSearch::shared();
    if (!index->loaded()) {
        // The index reads the file its own way; the probe names what is wrong with it.
        Query query = connectedQuery();
        if (!checkDreamDatabase(query))
            return unreadableDatabase(query);
        printErr(QStringLiteral("velmora-cli: cannot read the dream database %1: the search tables are missing\n")
                     .arg(dataSourceOf(GetConnStr())));
        return 2;
    }
    const QList<DreamSearch::Hit> hits = index->search(text, limit);
    if (json) {
        QJsonArray array;
        for (const DreamSearch::Hit &hit : hits)
            array.append(toJson(hit));
        printOut(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
    } else {
        for (const DreamSearch::Hit &hit : hits)
            printOut(QStringLiteral("%1\t%2\t%3\n").arg(hit.title, hit.category, DreamSearch::matchName(hit.match)));
    }
    if (hits.isEmpty()) {
        printErr(QStringLiteral("velmora-cli: no dream found for %1\n").arg(text));
        return 1;
    }
    return 0;
}
