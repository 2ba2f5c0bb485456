#include "support/Fixture.h"

#include "data/uShare.h"
#include "tools/DreamDbBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sqlite3.h>

FixtureProgramDir::FixtureProgramDir() : m_previousAppPath(GetAppPath())
{
    setAppPath(m_dir.path());
}

FixtureProgramDir::~FixtureProgramDir()
{
    setAppPath(m_previousAppPath);
}

bool FixtureProgramDir::build(const QMap<QString, QString> &sources)
{
    const QString sourceDir = m_dir.filePath(QStringLiteral("source"));
    QDir().mkpath(sourceDir);
    for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
        const QString file = sourceDir + QLatin1Char('/') + it.key();
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        out.write(it.value().toUtf8());
    }
    errors.clear();
    return buildDreamDatabase(sourceDir, databasePath(), errors, QStringLiteral(VELMORA_UNIHAN_READINGS));
}

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool executeOn(const QString &path, const QString &sql)
{
    sqlite3 *db = nullptr;
    const bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK
                    && sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

} // namespace

bool FixtureProgramDir::execute(const QString &sql)
{
    return executeOn(databasePath(), sql);
}

bool writeDamagedDatabase(const QString &kind, const QString &good, const QString &target)
{
    QFile::remove(target);
    QFile source(good);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    constexpr int pageSize = 4096;
    if (kind == QLatin1String("missing"))
        return true;
    if (kind == QLatin1String("folder"))
        return QDir().mkdir(target);
    if (kind == QLatin1String("empty"))
        return writeBytes(target, {});
    if (kind == QLatin1String("one byte"))
        return writeBytes(target, "x");
    if (kind == QLatin1String("text"))
        return writeBytes(target, "this is a note, not a database\n");
    if (kind == QLatin1String("zeros"))
        return writeBytes(target, QByteArray(bytes.size(), '\0'));
    if (kind == QLatin1String("header only"))
        return writeBytes(target, bytes.left(100));
    if (kind == QLatin1String("truncated"))
        return writeBytes(target, bytes.left(bytes.size() / 2));
    if (kind == QLatin1String("garbled page")) {
        // Page 2 is the first table the builder creates.
        QByteArray garbled = bytes;
        garbled.replace(pageSize, pageSize, QByteArray(pageSize, '\xA5'));
        return bytes.size() > 2 * pageSize && writeBytes(target, garbled);
    }
    if (kind == QLatin1String("other database"))
        return executeOn(target, QStringLiteral("CREATE TABLE notes (note TEXT); INSERT INTO notes VALUES ('x')"));
    const char *change = kind == QLatin1String("no Tclass")         ? "DROP TABLE Tclass"
                         : kind == QLatin1String("no JMTable")      ? "DROP VIEW JMTable"
                         : kind == QLatin1String("no titles")       ? "DROP TABLE JMTitles"
                         : kind == QLatin1String("column missing") ? "ALTER TABLE Tclass DROP COLUMN ZMCLASS"
                                                                    : nullptr;
    return change && writeBytes(target, bytes) && executeOn(target, QString::fromLatin1(change));
}

DatabaseLock::DatabaseLock(const QString &path)
{
    m_locked = sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK
               && sqlite3_exec(m_db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
}

DatabaseLock::~DatabaseLock()
{
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(m_db);
}

QString tsv(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows)
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QString sourceTreePath(const QString &relative)
{
    return QStringLiteral(VELMORA_SOURCE_DIR "/") + relative;
}

QString programDirPath(const QString &relative)
{
    return QStringLiteral(VELMORA_PROGRAM_DIR "/") + relative;
}

ProgramRun runProgram(const QString &program, const QStringList &args, const QProcessEnvironment &environment,
                      int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, args);
    ProgramRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList shippedSkinFiles()
{
    return {QStringLiteral("mxskin24.dll"), QStringLiteral("mxp1.dll"), QStringLiteral("mxp3.dll"),
            QStringLiteral("mxskin56.dll"), QStringLiteral("mxp2.dll")};
}

QString shippedSkinStyleSheet(const QString &file)
{
    QFile skin(sourceTreePath(QStringLiteral("assets/skin/") + file));
    return skin.open(QIODevice::ReadOnly) ? QString::fromUtf8(skin.readAll()) : QString();
}
