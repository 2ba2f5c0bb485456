#include "cli/Cli.h"

#include "dream/DreamLegends.h"

int cliLegends(const QStringList &args)
{
    if (!args.isEmpty())
        return usageError(QStringLiteral("velmora-cli legends"));
    printLines(dreamLegendLines());
    return 0;
}
