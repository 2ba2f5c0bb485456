#include "cli/Cli.h"

#include "dream/DreamLegends.h"

int cliLegends(const QStringList &args)
{
    if (!args.isEmpty())
        return usageError(QStringLiteral("velmora-cli legends"));
    for (const QString &line : dreamLegendLines())
        printOut(line + QLatin1Char('\n'));
    return 0;
}
