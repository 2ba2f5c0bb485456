#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

// Why a query could not be opened, in the words a user needs.
enum class QueryFailure {
    None,
    Missing,        // no file of that name
    NoPermission,   // the file may not be read
    NotDatabase,    // a folder, an empty file or something else entirely
    Locked,         // another program holds a write lock
    Damaged,        // the file is a database but cannot be read through
    TableMissing,   // a table or column the statement needs is not there
    PatternTooLong, // a LIKE pattern past the database's limit: bad input, not bad data
    Statement,      // the statement itself is refused
};

// A query object in the manner of the program's original data access: it is
// given a connection string, a statement text, and is opened and closed around
// each use. Every open connects to the file anew, read-only; the rows are read
// completely at open, so a damaged file fails the open rather than a later read.
class Query
{
public:
    void setConnectionString(const QString &connectionString) { m_connectionString = connectionString; }

    void close();
    void clearSql() { m_sql.clear(); }
    void setSql(const QString &sql) { m_sql = sql; }
    const QString &sql() const { return m_sql; }

    // Runs the statement; false when the file or the statement could not be used.
    bool open();
    // Closes the query, replaces its statement and opens it: the steps of every use.
    bool run(const QString &sql);
    const QString &lastError() const { return m_lastError; }
    QueryFailure failure() const { return m_failure; }
    // The table or column a TableMissing failure names.
    QString missingName() const;

    int recordCount() const { return int(m_rows.size()); }
    bool eof() const { return m_row >= m_rows.size(); }
    void next() { ++m_row; }

    // Fields of the current row by position; empty text or 0 past the end.
    QString text(int field) const;
    double number(int field) const;

    // Translates the statement dialect of the original provider to SQLite's.
    static QString translateSql(const QString &sql);

private:
    bool fail(QueryFailure failure, const QString &error);

    QString m_connectionString;
    QString m_sql;
    QString m_lastError;
    QueryFailure m_failure = QueryFailure::None;
    QVector<QVector<QVariant>> m_rows;
    qsizetype m_row = 0;
};

// Why the dream database cannot be read, as a short Chinese phrase for the
// main window's status bar; empty for None.
QString failureReason(const Query &query);
