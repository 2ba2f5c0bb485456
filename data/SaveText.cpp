#include "data/SaveText.h"

#include "data/GbkText.h"
#include "data/Platform.h"
#include "data/uShare.h"

QString TextSaver::proposedName(const QString &previous, const QString &title)
{
    QString name = trimText(title).isEmpty() ? previous : trimText(title);
    static const QString forbidden = QStringLiteral("*/<>?\\|");
    for (QChar c : forbidden) {
        if (name.contains(c))
            return QStringLiteral("*.txt");
    }
    return name;
}

bool TextSaver::save(const QString &title, const QStringList &lines)
{
    fileName = proposedName(fileName, title);
    const QString chosen = fileDialogs().saveFileName(QStringLiteral("保存"), fileName,
                                                      QStringLiteral("文本文件|*.txt"));
    if (chosen.isEmpty())
        return false;
    fileName = chosen;
    return writeGbkLines(chosen + QStringLiteral(".txt"), lines);
}
