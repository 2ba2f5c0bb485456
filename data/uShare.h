#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The program directory, ending with a path separator: the executable's folder
// when dream.dll lies beside it (the portable layout), otherwise ../share/velmora
// from it (the installed layout).
QString GetAppPath();
// The same rule for an executable in the given folder.
QString programDirFor(const QString &executableDir);
// Tests point the program directory at a fixture folder, taken as a portable
// layout or, with portable false, as an installed one.
void setAppPath(const QString &path, bool portable = true);

// Where a file the program writes lives: the program directory of a portable
// layout while it can be written, otherwise the user's configuration folder.
// Nothing is ever written into an installed layout.
QString writableFilePath(const QString &fileName);

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
