#pragma once

#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct sqlite3;

// A program directory in a temporary folder, current while the fixture lives, with a dream.dll built by the
// same tool as the shipped one, from a few lines of source text.
class FixtureProgramDir
{
public:
    FixtureProgramDir();
    ~FixtureProgramDir();

    // Source files by path relative to the source folder, e.g. "Tclass.tsv".
    bool build(const QMap<QString, QString> &sources);
    // Runs statements on the built file (for states the builder refuses).
    bool execute(const QString &sql);

    QString path() const { return m_dir.path(); }
    QString databasePath() const { return m_dir.filePath(QStringLiteral("dream.dll")); }
    QStringList errors;

private:
    QString m_previousAppPath;
    QTemporaryDir m_dir;
};

// Puts a damaged dream database at target, made from a good one, the way a
// disk, an installer or a user damages it: "missing", "folder", "empty",
// "one byte", "text", "zeros", "header only", "truncated", "garbled page", "no Tclass",
// "no JMTable", "no titles", "column missing", "other database". False for an
// unknown kind or when the copy cannot be made.
bool writeDamagedDatabase(const QString &kind, const QString &good, const QString &target);

// Holds a write lock on a database file while it lives, as another program would.
class DatabaseLock
{
public:
    explicit DatabaseLock(const QString &path);
    ~DatabaseLock();
    bool locked() const { return m_locked; }

private:
    sqlite3 *m_db = nullptr;
    bool m_locked = false;
};

// A TSV text from rows of fields, the first row being the header.
QString tsv(const QList<QStringList> &rows);

// What a program printed and how it ended; status -1 when it crashed or hung.
struct ProgramRun
{
    int status = -1;
    QString out;
    QString err;
};
ProgramRun runProgram(const QString &program, const QStringList &args,
                      const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                      int timeoutMs = 60000);

// A file's text as UTF-8, or an empty text when it cannot be read.
QString fileContents(const QString &path);

// A whole file's bytes, empty when it cannot be read; and writing them, replacing the file.
QByteArray readFileBytes(const QString &path);
bool writeFileBytes(const QString &path, const QByteArray &bytes);

// The five shipped skins' file names, and one skin's style sheet, for tests
// that look at a window under every skin.
QStringList shippedSkinFiles();
QString shippedSkinStyleSheet(const QString &file);

// The folder of the source tree and of the built program, for tests over shipped data.
QString sourceTreePath(const QString &relative);
QString programDirPath(const QString &relative);
