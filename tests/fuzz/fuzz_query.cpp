// The query layer over any statement text, against a copy of the shipped
// dream.dll: no crash, and the file never changes.
#include "FuzzCheck.h"

#include "data/Query.h"
#include "data/uShare.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdlib>
#include <memory>

namespace {

// The program only runs its own short statements; a fuzzed one may join every
// table with itself or recurse for ever. Each connection gets a budget of work
// and of value size, so such a statement fails like any other.
int progressTicks = 0;
constexpr int progressEvery = 100;
constexpr int progressBudget = 500;

int budget(void *)
{
    return ++progressTicks > progressBudget ? 1 : 0;
}

int limitConnection(sqlite3 *db, char **, const struct sqlite3_api_routines *)
{
    sqlite3_progress_handler(db, progressEvery, budget, nullptr);
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 16 * 1024);
    return SQLITE_OK;
}

std::unique_ptr<QTemporaryDir> folder;
QString databasePath;
QByteArray originalHash;
qint64 originalSize = 0;
QDateTime originalTime;
int runs = 0;

QByteArray hashOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

void checkUnchanged(bool fully)
{
    const QFileInfo info(databasePath);
    FUZZ_CHECK(info.size() == originalSize && info.lastModified() == originalTime, databasePath);
    // No journal, WAL or any other file beside it.
    FUZZ_CHECK(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size() == 1, folder->path());
    if (fully)
        FUZZ_CHECK(hashOf(databasePath) == originalHash, databasePath);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    folder = std::make_unique<QTemporaryDir>();
    databasePath = folder->filePath(QStringLiteral("dream.dll"));
    FUZZ_CHECK(QFile::copy(QStringLiteral(VELMORA_PROGRAM_DIR "/dream.dll"), databasePath), databasePath);
    originalHash = hashOf(databasePath);
    originalSize = QFileInfo(databasePath).size();
    originalTime = QFileInfo(databasePath).lastModified();
    setAppPath(folder->path());
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(limitConnection));
    std::atexit([] { checkUnchanged(true); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    progressTicks = 0;
    Query query;
    query.setConnectionString(GetConnStr());
    const QString statement = QString::fromUtf8(fuzzBytes(data, size));
    if (query.run(statement)) {
        FUZZ_CHECK(query.failure() == QueryFailure::None, query.lastError());
        for (; !query.eof(); query.next()) {
            for (int field = -1; field < 4; ++field) {
                (void)query.text(field);
                (void)query.number(field);
            }
        }
    } else {
        FUZZ_CHECK(query.failure() != QueryFailure::None, statement.left(80));
        FUZZ_CHECK(!failureReason(query).isEmpty(), query.lastError());
    }
    query.close();
    checkUnchanged(++runs % 4096 == 0);
    return 0;
}
