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

bool FixtureProgramDir::execute(const QString &sql)
{
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open(databasePath().toUtf8().constData(), &db) == SQLITE_OK
              && sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
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
