#include "tools/DreamDbBuilder.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

// velmora-dbtool [--unihan UNIHAN_READINGS] SOURCE-FOLDER OUTPUT-FILE
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString unihan = defaultUnihanReadingsPath();
    if (args.size() == 4 && args.at(0) == QLatin1String("--unihan")) {
        args.removeFirst();
        unihan = args.takeFirst();
    }
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: velmora-dbtool [--unihan UNIHAN_READINGS] SOURCE-FOLDER OUTPUT-FILE\n");
        return 2;
    }
    QStringList errors;
    if (!buildDreamDatabase(args.at(0), args.at(1), errors, unihan)) {
        for (const QString &error : errors)
            std::fprintf(stderr, "%s\n", qUtf8Printable(error));
        return 1;
    }
    return 0;
}
