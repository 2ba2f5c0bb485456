#include "cli/Cli.h"

#include "data/GbkText.h"
#include "data/Query.h"
#include "data/uShare.h"

#include <QCoreApplication>
#include <QDir>

#include <iterator>

namespace {

const CliEntry commands[] = {
    {"categories", "categories", cliCategories},
    {"entries", "entries CATEGORY", cliEntries},
    {"dream", "dream [--exact|--like] TEXT", cliDream},
    {"legends", "legends", cliLegends},
    {"bone", "bone YEAR MONTH DAY HOUR", cliBone},
    {"phone", "phone NUMBER", cliPhone},
    {"pair", "pair MAN WOMAN", cliPair},
    {"love", "love MAN WOMAN", cliLove},
    {"lunar", "lunar FROM [TO]", cliLunar},
    {"month", "month YEAR MONTH", cliMonth},
    {"stats", "stats", cliStats},
};

void printUsage()
{
    printErr(QStringLiteral("usage: velmora-cli COMMAND [ARGUMENTS]\ncommands:\n"));
    for (const CliEntry &command : commands)
        printErr(QStringLiteral("  velmora-cli %1\n").arg(QString::fromLatin1(command.usage)));
}

} // namespace

int usageError(const QString &usage)
{
    printErr(QStringLiteral("usage: %1\n").arg(usage));
    return 2;
}

Query connectedQuery()
{
    Query query;
    query.setConnectionString(GetConnStr());
    return query;
}

int unreadableDatabase(const Query &query)
{
    QString reason;
    switch (query.failure()) {
    case QueryFailure::PatternTooLong:
        // The input, not the file, is at fault.
        printErr(QStringLiteral("velmora-cli: the search text is too long for a substring search\n"));
        return 2;
    case QueryFailure::Missing: reason = QStringLiteral("the file does not exist"); break;
    case QueryFailure::NoPermission: reason = QStringLiteral("no permission to read the file"); break;
    case QueryFailure::NotDatabase: reason = QStringLiteral("the file is not a database"); break;
    case QueryFailure::Locked: reason = QStringLiteral("the file is locked by another program"); break;
    case QueryFailure::Damaged: reason = QStringLiteral("the file is damaged"); break;
    case QueryFailure::TableMissing: reason = QStringLiteral("%1 is missing").arg(query.missingName()); break;
    case QueryFailure::None:
    case QueryFailure::Statement: reason = query.lastError(); break;
    }
    printErr(QStringLiteral("velmora-cli: cannot read the dream database %1: %2\n")
                 .arg(QDir::toNativeSeparators(dataSourceOf(GetConnStr())), reason));
    return 2;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!gbkAvailable()) {
        printErr(QStringLiteral("velmora-cli: this Qt has no GBK text codec\n"));
        return 2;
    }
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printUsage();
        return 2;
    }
    const QString name = args.takeFirst();
    for (const CliEntry &command : commands) {
        if (name == QLatin1String(command.name))
            return command.run(args);
    }
    printErr(QStringLiteral("velmora-cli: unknown command %1\n").arg(name));
    printUsage();
    return 2;
}
