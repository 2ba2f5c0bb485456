#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

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

    int recordCount() const { return int(m_rows.size()); }
    bool eof() const { return m_row >= m_rows.size(); }
    void next() { ++m_row; }

    // Fields of the current row by position; empty text or 0 past the end.
    QString text(int field) const;
    double number(int field) const;

    // Translates the statement dialect of the original provider to SQLite's.
    static QString translateSql(const QString &sql);

private:
    QString m_connectionString;
    QString m_sql;
    QString m_lastError;
    QVector<QVector<QVariant>> m_rows;
    qsizetype m_row = 0;
};
