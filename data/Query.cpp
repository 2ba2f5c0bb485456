#include "data/Query.h"

#include "data/uShare.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <sqlite3.h>

#include <memory>

namespace {

struct DatabaseCloser
{
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
struct StatementFinalizer
{
    void operator()(sqlite3_stmt *stmt) const { sqlite3_finalize(stmt); }
};
using DatabaseHandle = std::unique_ptr<sqlite3, DatabaseCloser>;
using StatementHandle = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// SQLite ends its input at a NUL byte, so a NUL inside a literal is spliced in.
QString spliceNulCharacters(const QString &sql)
{
    if (!sql.contains(QChar(0)))
        return sql;
    QString result;
    bool inLiteral = false;
    for (QChar c : sql) {
        if (c == QLatin1Char('\''))
            inLiteral = !inLiteral;
        if (c == QChar(0))
            result += inLiteral ? QStringLiteral("'||char(0)||'") : QStringLiteral(" ");
        else
            result += c;
    }
    return result;
}

} // namespace

QString Query::translateSql(const QString &sql)
{
    static const QRegularExpression top(
        QStringLiteral("^(\\s*select\\s+)top\\s+(\\d+)\\s+"),
        QRegularExpression::CaseInsensitiveOption);
    QString result = spliceNulCharacters(sql);
    const QRegularExpressionMatch match = top.match(result);
    if (match.hasMatch()) {
        result = match.captured(1) + result.mid(match.capturedEnd())
                 + QStringLiteral(" limit ") + match.captured(2);
    }
    return result;
}

void Query::close()
{
    m_rows.clear();
    m_row = 0;
}

bool Query::open()
{
    close();
    m_lastError.clear();

    const QString path = dataSourceOf(m_connectionString);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        m_lastError = QStringLiteral("database file not found: ") + path;
        return false;
    }

    sqlite3 *rawDb = nullptr;
    const int openResult = sqlite3_open_v2(QFileInfo(path).absoluteFilePath().toUtf8().constData(),
                                           &rawDb, SQLITE_OPEN_READONLY, nullptr);
    DatabaseHandle db(rawDb);
    if (openResult != SQLITE_OK) {
        m_lastError = QString::fromUtf8(rawDb ? sqlite3_errmsg(rawDb) : "cannot open");
        return false;
    }
    sqlite3_busy_timeout(db.get(), 0);

    const QByteArray statementText = translateSql(m_sql).toUtf8();
    sqlite3_stmt *rawStmt = nullptr;
    const char *tail = nullptr;
    if (sqlite3_prepare_v2(db.get(), statementText.constData(), int(statementText.size()), &rawStmt,
                           &tail) != SQLITE_OK) {
        m_lastError = QString::fromUtf8(sqlite3_errmsg(db.get()));
        return false;
    }
    StatementHandle stmt(rawStmt);
    // Only a single reading statement is ever run.
    if (!stmt || !sqlite3_stmt_readonly(stmt.get())
        || !QByteArray(tail).trimmed().isEmpty()) {
        m_lastError = QStringLiteral("not a single select statement");
        return false;
    }

    const int columns = sqlite3_column_count(stmt.get());
    QVector<QVector<QVariant>> rows;
    for (;;) {
        const int step = sqlite3_step(stmt.get());
        if (step == SQLITE_DONE)
            break;
        if (step != SQLITE_ROW) {
            m_lastError = QString::fromUtf8(sqlite3_errmsg(db.get()));
            return false;
        }
        QVector<QVariant> row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(stmt.get(), c)) {
            case SQLITE_INTEGER:
                row.append(QVariant(qlonglong(sqlite3_column_int64(stmt.get(), c))));
                break;
            case SQLITE_FLOAT:
                row.append(QVariant(sqlite3_column_double(stmt.get(), c)));
                break;
            case SQLITE_NULL:
                row.append(QVariant());
                break;
            default: {
                const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(stmt.get(), c));
                row.append(QVariant(QString::fromUtf8(data, sqlite3_column_bytes(stmt.get(), c))));
            }
            }
        }
        rows.append(std::move(row));
    }
    m_rows = std::move(rows);
    return true;
}

bool Query::run(const QString &sql)
{
    close();
    clearSql();
    setSql(sql);
    return open();
}

QString Query::text(int field) const
{
    if (eof() || field < 0 || field >= m_rows.at(m_row).size())
        return {};
    return m_rows.at(m_row).at(field).toString();
}

double Query::number(int field) const
{
    if (eof() || field < 0 || field >= m_rows.at(m_row).size())
        return 0.0;
    bool ok = false;
    const double value = m_rows.at(m_row).at(field).toDouble(&ok);
    return ok ? value : 0.0;
}
