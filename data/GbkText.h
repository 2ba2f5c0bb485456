#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Every text the program stores or reads from files is GBK (code page 936).
bool gbkAvailable();
QByteArray toGbk(const QString &text);
QString fromGbk(const QByteArray &bytes);
// True when the text survives a round trip through GBK unchanged.
bool representableInGbk(const QString &text);

// Writes each line followed by CR LF, in GBK, replacing any existing file.
bool writeGbkLines(const QString &path, const QStringList &lines);
