#include "data/Query.h"

#include "data/uShare.h"

#include <QFile>
#include <QFileInfo>

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

bool hasDatabaseHeader(const QString &path)
{
    QFile file(path);
    static constexpr char magic[] = "SQLite format 3";
    return file.open(QIODevice::ReadOnly) && file.read(sizeof magic) == QByteArray(magic, sizeof magic);
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}

// Reads the statement's head word by word. By hand rather than by a regular
// expression, which refuses a text that is not valid UTF-16 (a lone surrogate
// in a title) and would leave the statement untranslated.
class HeadReader
{
public:
    explicit HeadReader(const QString &text) : m_text(text) {}

    qsizetype position() const { return m_at; }
    bool blanks()
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size() && isBlank(m_text.at(m_at)))
            ++m_at;
        return m_at > start;
    }
    bool word(QLatin1StringView word)
    {
        if (QStringView(m_text).mid(m_at, word.size()).compare(word, Qt::CaseInsensitive) != 0)
            return false;
        m_at += word.size();
        return true;
    }
    QString digits()
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size() && m_text.at(m_at) >= QLatin1Char('0') && m_text.at(m_at) <= QLatin1Char('9'))
            ++m_at;
        return m_text.mid(start, m_at - start);
    }

private:
    const QString &m_text;
    qsizetype m_at = 0;
};

// SQLite's result codes as the failures a user is told about.
QueryFailure failureOf(int code, const QString &message)
{
    switch (code & 0xff) {
    case SQLITE_NOTADB:
        return QueryFailure::NotDatabase;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QueryFailure::Locked;
    case SQLITE_CORRUPT:
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_FORMAT:
    // A journal left by an interrupted write, which a read-only connection cannot roll back.
    case SQLITE_READONLY:
        return QueryFailure::Damaged;
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QueryFailure::NoPermission;
    default:
        break;
    }
    // SQLite tells these apart only by the message.
    if (message.startsWith(QLatin1String("no such table")) || message.startsWith(QLatin1String("no such column")))
        return QueryFailure::TableMissing;
    if (message.contains(QLatin1String("pattern too complex")))
        return QueryFailure::PatternTooLong;
    return QueryFailure::Statement;
}

} // namespace

QString Query::translateSql(const QString &sql)
{
    const QString result = spliceNulCharacters(sql);
    HeadReader head(result);
    head.blanks();
    if (!head.word(QLatin1StringView("select")) || !head.blanks())
        return result;
    const qsizetype selectEnd = head.position();
    if (!head.word(QLatin1StringView("top")) || !head.blanks())
        return result;
    const QString count = head.digits();
    if (count.isEmpty() || !head.blanks())
        return result;
    return result.left(selectEnd) + result.mid(head.position()) + QStringLiteral(" limit ") + count;
}

void Query::close()
{
    m_rows.clear();
    m_row = 0;
}

bool Query::fail(QueryFailure failure, const QString &error)
{
    m_failure = failure;
    m_lastError = error;
    return false;
}

QString Query::missingName() const
{
    if (m_failure != QueryFailure::TableMissing)
        return {};
    // "no such table: main.JMTitles"
    QString name = m_lastError.mid(m_lastError.indexOf(QLatin1Char(':')) + 1).trimmed();
    if (name.startsWith(QLatin1String("main.")))
        name.remove(0, 5);
    return name;
}

bool Query::open()
{
    close();
    m_lastError.clear();
    m_failure = QueryFailure::None;

    const QString path = dataSourceOf(m_connectionString);
    const QFileInfo file(path);
    if (path.isEmpty() || !file.exists())
        return fail(QueryFailure::Missing, QStringLiteral("database file not found: ") + path);
    if (!file.isFile())
        return fail(QueryFailure::NotDatabase, QStringLiteral("not a file: ") + path);
    if (!file.isReadable())
        return fail(QueryFailure::NoPermission, QStringLiteral("no permission to read: ") + path);
    // SQLite takes a file shorter than its header, an empty one included, for
    // an empty database and would report a missing table.
    if (!hasDatabaseHeader(path))
        return fail(QueryFailure::NotDatabase, QStringLiteral("not a database: ") + path);

    sqlite3 *rawDb = nullptr;
    const int openResult = sqlite3_open_v2(file.absoluteFilePath().toUtf8().constData(),
                                           &rawDb, SQLITE_OPEN_READONLY, nullptr);
    DatabaseHandle db(rawDb);
    if (openResult != SQLITE_OK) {
        const QString message = QString::fromUtf8(rawDb ? sqlite3_errmsg(rawDb) : "cannot open");
        return fail(failureOf(openResult, message), message);
    }
    sqlite3_busy_timeout(db.get(), 0);

    const QByteArray statementText = translateSql(m_sql).toUtf8();
    sqlite3_stmt *rawStmt = nullptr;
    const char *tail = nullptr;
    const int prepared = sqlite3_prepare_v2(db.get(), statementText.constData(), int(statementText.size()),
                                            &rawStmt, &tail);
    if (prepared != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db.get()));
        return fail(failureOf(sqlite3_extended_errcode(db.get()), message), message);
    }
    StatementHandle stmt(rawStmt);
    // Only a single reading statement is ever run.
    if (!stmt || !sqlite3_stmt_readonly(stmt.get())
        || !QByteArray(tail).trimmed().isEmpty())
        return fail(QueryFailure::Statement, QStringLiteral("not a single select statement"));

    const int columns = sqlite3_column_count(stmt.get());
    QVector<QVector<QVariant>> rows;
    for (;;) {
        const int step = sqlite3_step(stmt.get());
        if (step == SQLITE_DONE)
            break;
        if (step != SQLITE_ROW) {
            const QString message = QString::fromUtf8(sqlite3_errmsg(db.get()));
            return fail(failureOf(sqlite3_extended_errcode(db.get()), message), message);
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

QString failureReason(const Query &query)
{
    switch (query.failure()) {
    case QueryFailure::None: return {};
    case QueryFailure::Missing: return QStringLiteral("文件不存在");
    case QueryFailure::NoPermission: return QStringLiteral("没有读取文件的权限");
    case QueryFailure::NotDatabase: return QStringLiteral("文件不是解梦数据库");
    case QueryFailure::Locked: return QStringLiteral("文件正被其他程序锁定");
    case QueryFailure::Damaged: return QStringLiteral("文件已损坏");
    case QueryFailure::TableMissing:
        return (query.lastError().startsWith(QLatin1String("no such column")) ? QStringLiteral("文件不完整，缺少数据列 ")
                                                                            : QStringLiteral("文件不完整，缺少数据表 "))
               + query.missingName();
    case QueryFailure::PatternTooLong: return QStringLiteral("查找内容太长");
    case QueryFailure::Statement: return QStringLiteral("查询语句无法执行");
    }
    return {};
}
