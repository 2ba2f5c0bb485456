#include "cli/Cli.h"

#include "dream/DreamLegends.h"

int cliLegends(const QStringList &args)
{
    if (!args.isEmpty())
        return badUsage();
    printLines(dreamLegendLines());
    return 0;
}
