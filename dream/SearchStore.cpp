#include "dream/SearchStore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <sqlite3.h>

namespace {

void bindAll(sqlite3_stmt *stmt, const QStringList &values)
{
    for (int i = 0; i < int(values.size()); ++i) {
        const QByteArray utf8 = values.at(i).toUtf8();
        sqlite3_bind_text(stmt, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
}

QString columnText(sqlite3_stmt *stmt, int column)
{
    return QString::fromUtf8(static_cast<const char *>(sqlite3_column_blob(stmt, column)),
                             sqlite3_column_bytes(stmt, column));
}

} // namespace

void SearchStore::Closer::operator()(sqlite3 *db) const
{
    sqlite3_close_v2(db);
}

QString SearchStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/search.sqlite");
}

SearchStore::SearchStore(const QString &path) : m_path(path)
{
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath())) {
        m_error = QStringLiteral("%1: the folder cannot be created").arg(path);
        return;
    }
    sqlite3 *raw = nullptr;
    const int opened = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    m_db.reset(raw);
    if (opened != SQLITE_OK) {
        fail(QStringLiteral("cannot be opened"));
        return;
    }
    // A file another program holds locked answers at once instead of waiting.
    sqlite3_busy_timeout(m_db.get(), 0);
    if (sqlite3_db_readonly(m_db.get(), "main") == 1) {
        fail(QStringLiteral("is read-only"));
        return;
    }
    m_available = run("CREATE TABLE IF NOT EXISTS history (id INTEGER PRIMARY KEY AUTOINCREMENT, query TEXT UNIQUE, "
                      "title TEXT, searched INTEGER)")
                  && run("CREATE TABLE IF NOT EXISTS favourites (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                         "title TEXT UNIQUE, added INTEGER)");
}

SearchStore::~SearchStore() = default;

bool SearchStore::fail(const QString &what)
{
    if (m_error.isEmpty()) {
        const QString reason = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db.get())) : QString();
        m_error = QStringLiteral("%1: %2").arg(m_path, what);
        if (!reason.isEmpty() && reason != QLatin1String("not an error"))
            m_error += QStringLiteral(" (%1)").arg(reason);
    }
    m_available = false;
    m_db.reset();
    return false;
}

bool SearchStore::run(const QByteArray &sql, const QStringList &values)
{
    if (!m_db)
        return false;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(m_db.get(), sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return fail(QStringLiteral("cannot be used"));
    }
    bindAll(stmt, values);
    const int step = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    if (step != SQLITE_DONE && step != SQLITE_ROW)
        return fail(QStringLiteral("cannot be written"));
    return true;
}

QList<SearchStore::Search> SearchStore::history() const
{
    QList<Search> searches;
    if (!m_db)
        return searches;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(m_db.get(), "SELECT query, title FROM history ORDER BY id DESC LIMIT ?", -1, &stmt,
                           nullptr) == SQLITE_OK) {
        sqlite3_bind_int(stmt, 1, historyLimit);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            searches.append({columnText(stmt, 0), columnText(stmt, 1)});
    }
    sqlite3_finalize(stmt);
    return searches;
}

bool SearchStore::addSearch(const QString &query, const QString &title)
{
    if (query.isEmpty() || title.isEmpty())
        return m_available;
    return run("BEGIN IMMEDIATE")
           && run("DELETE FROM history WHERE query = ?", {query})
           && run("INSERT INTO history (query, title, searched) VALUES (?, ?, strftime('%s','now'))", {query, title})
           && run(QByteArray("DELETE FROM history WHERE id NOT IN (SELECT id FROM history ORDER BY id DESC LIMIT ")
                      .append(QByteArray::number(historyLimit)).append(')'))
           && run("COMMIT");
}

bool SearchStore::clearHistory()
{
    return run("DELETE FROM history");
}

QStringList SearchStore::favourites() const
{
    QStringList titles;
    if (!m_db)
        return titles;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(m_db.get(), "SELECT title FROM favourites ORDER BY id DESC", -1, &stmt, nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW)
            titles << columnText(stmt, 0);
    }
    sqlite3_finalize(stmt);
    return titles;
}

bool SearchStore::isFavourite(const QString &title) const
{
    return favourites().contains(title);
}

bool SearchStore::setFavourite(const QString &title, bool favourite)
{
    if (title.isEmpty())
        return m_available;
    if (!favourite)
        return run("DELETE FROM favourites WHERE title = ?", {title});
    return run("INSERT OR IGNORE INTO favourites (title, added) VALUES (?, strftime('%s','now'))", {title});
}

bool SearchStore::clearFavourites()
{
    return run("DELETE FROM favourites");
}
