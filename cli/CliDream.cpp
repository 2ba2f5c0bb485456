#include "cli/Cli.h"

#include "data/Query.h"
#include "data/uShare.h"
#include "dream/DreamLookup.h"

int cliCategories(const QStringList &args)
{
    if (!args.isEmpty())
        return badUsage();
    Query query = connectedQuery();
    QStringList names;
    if (!DreamLookup::categoryNames(query, names))
        return unreadableDatabase(query);
    printLines(names);
    return names.isEmpty() ? 1 : 0;
}

int cliEntries(const QStringList &args)
{
    if (args.size() != 1 || trimText(args.at(0)).isEmpty())
        return badUsage();
    Query query = connectedQuery();
    QStringList titles;
    if (!DreamLookup::titlesOfCategoryName(query, trimText(args.at(0)), titles))
        return unreadableDatabase(query);
    printLines(titles);
    if (titles.isEmpty()) {
        printErr(QStringLiteral("velmora-cli: no entries in category %1\n").arg(trimText(args.at(0))));
        return 1;
    }
    return 0;
}

int cliDream(const QStringList &args)
{
    QStringList rest = args;
    auto mode = DreamLookup::SearchMode::Exact;
    if (!rest.isEmpty() && (rest.first() == QLatin1String("--exact") || rest.first() == QLatin1String("--like"))) {
        if (rest.takeFirst() == QLatin1String("--like"))
            mode = DreamLookup::SearchMode::Substring;
    }
    if (rest.size() != 1)
        return badUsage();
    const QString text = trimText(rest.first());
    if (text.isEmpty())
        return badUsage();

    Query query = connectedQuery();
    DreamLookup::SearchResult result;
    if (!DreamLookup::search(query, text, mode, result))
        return unreadableDatabase(query);
    if (result.rows == 0) {
        printErr(QString(DreamLookup::notFoundMessage).replace(QLatin1Char('\r'), QLatin1Char('\n')) + QLatin1Char('\n'));
        return 1;
    }
    printLines(result.lines);
    return 0;
}

int cliStats(const QStringList &args)
{
    if (!args.isEmpty())
        return badUsage();
    Query query = connectedQuery();
    QList<DreamLookup::CategoryStats> categories;
    if (!DreamLookup::statistics(query, categories))
        return unreadableDatabase(query);
    int entries = 0;
    qint64 characters = 0;
    printOut(QStringLiteral("categories\t%1\n").arg(categories.size()));
    for (const DreamLookup::CategoryStats &category : categories) {
        printOut(QStringLiteral("%1\t%2 entries\t%3 characters\n").arg(category.name).arg(category.entries).arg(category.characters));
        entries += category.entries;
        characters += category.characters;
    }
    printOut(QStringLiteral("entries\t%1\ntext characters\t%2\n").arg(entries).arg(characters));
    return entries > 0 ? 0 : 1;
}
