#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The program directory, ending with a path separator.
QString GetAppPath();
// Tests point the program directory at a fixture folder.
void setAppPath(const QString &path);

QString GetConnStr();
// The database file a connection string names in its Data Source.
QString dataSourceOf(const QString &connectionString);

void ShowInfoMsg(const QString &text);

// Removes leading and trailing characters with codes 0 to 32.
QString trimText(const QString &text);
// Adds a text that may hold line breaks as lines, the way a text area's line list takes it.
void addLines(QStringList &lines, const QString &text);

// Encloses a value in single quotes, doubling each quote inside it.
QString quoted(const QString &value);

inline constexpr quint16 contentKey = 47163;
inline constexpr int contentRounds = 7;

QByteArray HexToStr(const QString &hex);
QString DecodeContent(const QString &encoded, quint16 key, int rounds);
QByteArray decodeContentBytes(QByteArray bytes, quint16 key, int rounds);

// The inverse of DecodeContent, for the tools that prepare the database.
QString EncodeContent(const QString &text, quint16 key, int rounds);
QByteArray encodeContentBytes(QByteArray bytes, quint16 key, int rounds);
QString StrToHex(const QByteArray &bytes);
