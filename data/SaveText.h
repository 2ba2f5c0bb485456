#pragma once

#include <QString>
#include <QStringList>

// The save step of the text windows: propose a name, ask for a path, write
// the lines as GBK with CR LF and ".txt" always appended. Like the original
// dialog, the proposed name persists between saves.
class TextSaver
{
public:
    // The name the dialog proposes for this title; characters a file name
    // cannot hold turn the proposal into "*.txt".
    static QString proposedName(const QString &previous, const QString &title);

    // False when the user cancelled or the file could not be written; neither
    // is reported.
    bool save(const QString &title, const QStringList &lines);

    QString fileName;
};
