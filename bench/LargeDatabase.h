#pragma once

#include "tools/DreamDbBuilder.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A database of 100,000 entries, built once by the real builder.
inline const QString &largeDatabase()
{
    static QTemporaryDir dir;
    static QString path;
    if (!path.isEmpty())
        return path;
    QFile categories(dir.filePath(QStringLiteral("Tclass.tsv")));
    categories.open(QIODevice::WriteOnly);
    categories.write("ZMID\tZMCLASS\n01\t大类\n");
    categories.close();
    QFile entries(dir.filePath(QStringLiteral("JMTable.tsv")));
    entries.open(QIODevice::WriteOnly);
    entries.write("CLASEID\tTITLE\tCONENT\n");
    const QString text = QStringLiteral("梦境的解析文字，长短与真实条目相近，用来衡量查找与解码的速度。").repeated(4);
    for (int i = 0; i < 100000; ++i)
        entries.write(QStringLiteral("01\t梦%1号\t%2\n").arg(i).arg(text).toUtf8());
    entries.close();
    QStringList errors;
    path = dir.filePath(QStringLiteral("dream.dll"));
    if (!buildDreamDatabase(dir.path(), path, errors))
        qFatal("cannot build the large database: %s", qPrintable(errors.join('\n')));
    return path;
}
