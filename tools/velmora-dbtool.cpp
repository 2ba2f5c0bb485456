#include "tools/DreamDbBuilder.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

// velmora-dbtool SOURCE-FOLDER OUTPUT-FILE
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: velmora-dbtool SOURCE-FOLDER OUTPUT-FILE\n");
        return 2;
    }
    QStringList errors;
    if (!buildDreamDatabase(args.at(1), args.at(2), errors)) {
        for (const QString &error : errors)
            std::fprintf(stderr, "%s\n", qUtf8Printable(error));
        return 1;
    }
    return 0;
}
