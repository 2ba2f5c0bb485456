#include "tools/DreamDbBuilder.h"
#include "tools/UnihanReadings.h"

#include "data/DreamSchema.h"
#include "data/GbkText.h"
#include "data/uShare.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <sqlite3.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

using DreamSchema::Column;
using DreamSchema::ColumnType;
using TableSchema = DreamSchema::Table;

struct SourceRow
{
    QString file;
    int line = 0;
    QStringList values; // in schema column order
};

QString unescape(const QString &field)
{
    if (!field.contains(QLatin1Char('\\')))
        return field;
    QString result;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field.at(i);
        if (c != QLatin1Char('\\') || i + 1 == field.size()) {
            result += c;
            continue;
        }
        const QChar next = field.at(++i);
        if (next == QLatin1Char('n'))
            result += QStringLiteral("\r\n");
        else if (next == QLatin1Char('t'))
            result += QLatin1Char('\t');
        else
            result += next;
    }
    return result;
}

// A weight such as 1.2. QString::toDouble also takes "nan" and "inf", which the
// database would store as no number at all, and a reading would count as 0.
bool isPlainDecimal(const QString &value)
{
    static const QRegularExpression decimal(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]+(\\.[0-9]+)?")));
    return decimal.match(value).hasMatch();
}

QStringList sourceFiles(const QString &sourceDir, const QString &table)
{
    QStringList files;
    const QString single = sourceDir + QLatin1Char('/') + table + QStringLiteral(".tsv");
    if (QFileInfo(single).isFile())
        files << single;
    const QDir folder(sourceDir + QLatin1Char('/') + table);
    for (const QString &name : folder.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name))
        files << folder.filePath(name);
    return files;
}

bool readTable(const TableSchema &schema, const QString &sourceDir, std::vector<SourceRow> &rows,
               QStringList &errors)
{
    const int errorsBefore = int(errors.size());
    const char *source = schema.source ? schema.source : schema.name;
    for (const QString &path : sourceFiles(sourceDir, QString::fromLatin1(source))) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            errors << QStringLiteral("%1: cannot be read").arg(path);
            continue;
        }
        const QByteArray bytes = file.readAll();
        QString text = QString::fromUtf8(bytes);
        if (text.toUtf8() != bytes) {
            errors << QStringLiteral("%1: not valid UTF-8").arg(path);
            continue;
        }
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        const QStringList lines = text.split(QLatin1Char('\n'));
        const QStringList header = lines.value(0).split(QLatin1Char('\t'));
        std::vector<int> position; // source field of each schema column
        bool headerOk = true;
        for (const Column &column : schema.columns) {
            const int index = int(header.indexOf(QString::fromLatin1(column.name)));
            if (index < 0) {
                errors << QStringLiteral("%1:1: missing column %2").arg(path, QString::fromLatin1(column.name));
                headerOk = false;
            }
            position.push_back(index);
        }
        if (!headerOk)
            continue;
        for (int n = 1; n < lines.size(); ++n) {
            const QString &line = lines.at(n);
            if (trimText(line).isEmpty())
                continue;
            const QStringList fields = line.split(QLatin1Char('\t'));
            if (fields.size() != header.size()) {
                errors << QStringLiteral("%1:%2: %3 fields where the header has %4")
                              .arg(path).arg(n + 1).arg(fields.size()).arg(header.size());
                continue;
            }
            SourceRow row{path, n + 1, {}};
            for (int index : position)
                row.values << unescape(fields.at(index));
            rows.push_back(std::move(row));
        }
    }
    return errors.size() == errorsBefore;
}

// Text keys as the database compares them: trimmed, without regard to case.
QString comparisonKey(const QString &value)
{
    return trimText(value).toLower();
}

// An alias names an existing entry and is no entry's title itself, so that a
// word never leads to two different entries.
bool checkAliases(const std::vector<SourceRow> &aliases, const std::vector<SourceRow> &entries, QStringList &errors)
{
    QSet<QString> titles;
    for (const SourceRow &entry : entries)
        titles.insert(comparisonKey(entry.values.at(0)));
    const int errorsBefore = int(errors.size());
    for (const SourceRow &row : aliases) {
        const QString where = QStringLiteral("%1:%2").arg(row.file).arg(row.line);
        if (titles.contains(comparisonKey(row.values.at(0))))
            errors << QStringLiteral("%1: alias %2 is the title of an entry").arg(where, trimText(row.values.at(0)));
        if (!titles.contains(comparisonKey(row.values.at(1))))
            errors << QStringLiteral("%1: alias %2 names no entry: %3")
                          .arg(where, trimText(row.values.at(0)), trimText(row.values.at(1)));
    }
    return errors.size() == errorsBefore;
}

bool checkRows(const TableSchema &schema, const std::vector<SourceRow> &rows,
               const QSet<QString> &categoryCodes, QStringList &errors)
{
    const int errorsBefore = int(errors.size());
    std::vector<int> keyColumns;
    for (const char *key : schema.key) {
        for (int c = 0; c < int(schema.columns.size()); ++c) {
            if (qstrcmp(schema.columns[c].name, key) == 0)
                keyColumns.push_back(c);
        }
    }
    const bool isEntries = qstrcmp(schema.name, "JMTable") == 0;
    const QString keyNoun = qstrcmp(schema.name, "JMAlias") == 0 ? QStringLiteral("alias") : QStringLiteral("key");
    QHash<QString, QString> seenKeys; // key (case folded as the database compares) -> where
    for (const SourceRow &row : rows) {
        const QString where = QStringLiteral("%1:%2").arg(row.file).arg(row.line);
        for (int c = 0; c < int(schema.columns.size()); ++c) {
            const QString &value = row.values.at(c);
            const QString columnName = QString::fromLatin1(schema.columns[c].name);
            if (!representableInGbk(value))
                errors << QStringLiteral("%1: %2 holds text that GBK cannot represent").arg(where, columnName);
            if (schema.columns[c].type == ColumnType::Number && !isPlainDecimal(value))
                errors << QStringLiteral("%1: %2 is not a plain decimal number: %3").arg(where, columnName, value);
        }
        QStringList keyParts;
        for (int c : keyColumns)
            keyParts << comparisonKey(row.values.at(c));
        const QString key = keyParts.join(QChar(0));
        if (keyParts.join(QString()).isEmpty())
            errors << QStringLiteral("%1: empty %2").arg(where, keyNoun);
        else if (seenKeys.contains(key))
            errors << QStringLiteral("%1: duplicate %2 %3 (first at %4)")
                          .arg(where, keyNoun, keyParts.join(QLatin1Char('/')), seenKeys.value(key));
        else
            seenKeys.insert(key, where);
        if (isEntries && !categoryCodes.contains(trimText(row.values.at(2))))
            errors << QStringLiteral("%1: unknown category code %2").arg(where, row.values.at(2));
    }
    return errors.size() == errorsBefore;
}

struct DatabaseCloser
{
    void operator()(sqlite3 *db) const { sqlite3_close(db); }
};

bool exec(sqlite3 *db, const QString &sql, QStringList &errors)
{
    char *message = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    errors << QStringLiteral("sqlite: %1").arg(QString::fromUtf8(message));
    sqlite3_free(message);
    return false;
}

QString columnType(const Column &column)
{
    // The original provider compares text without regard to case.
    return column.type == ColumnType::Text ? QStringLiteral("TEXT COLLATE NOCASE") : QStringLiteral("REAL");
}

bool insertRows(sqlite3 *db, const QString &sql, const std::vector<SourceRow> &rows,
                const std::function<void(sqlite3_stmt *, const SourceRow &, int)> &bind, QStringList &errors)
{
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        errors << QStringLiteral("sqlite: %1").arg(QString::fromUtf8(sqlite3_errmsg(db)));
        return false;
    }
    bool ok = true;
    int rowNumber = 0;
    for (const SourceRow &row : rows) {
        bind(stmt, row, ++rowNumber);
        if (sqlite3_step(stmt) != SQLITE_DONE) {
            errors << QStringLiteral("%1:%2: sqlite: %3").arg(row.file).arg(row.line).arg(QString::fromUtf8(sqlite3_errmsg(db)));
            ok = false;
            break;
        }
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    return ok;
}

void bindText(sqlite3_stmt *stmt, int index, const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

bool writeTable(sqlite3 *db, const TableSchema &schema, const std::vector<SourceRow> &rows, QStringList &errors)
{
    QStringList columnDefs;
    QStringList placeholders;
    for (const Column &column : schema.columns) {
        columnDefs << QString::fromLatin1(column.name) + QLatin1Char(' ') + columnType(column);
        placeholders << QStringLiteral("?");
    }
    const QString table = QString::fromLatin1(schema.name);
    QStringList keyNames;
    for (const char *key : schema.key)
        keyNames << QString::fromLatin1(key);
    if (!exec(db, QStringLiteral("CREATE TABLE %1 (%2)").arg(table, columnDefs.join(QStringLiteral(", "))), errors)
        || !exec(db, QStringLiteral("CREATE INDEX %1_key ON %1 (%2)").arg(table, keyNames.join(QLatin1Char(','))), errors))
        return false;
    const QString insert = QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(table, placeholders.join(QLatin1Char(',')));
    return insertRows(db, insert, rows, [&schema](sqlite3_stmt *stmt, const SourceRow &row, int) {
        for (int c = 0; c < int(schema.columns.size()); ++c) {
            if (schema.columns[c].type == ColumnType::Number)
                sqlite3_bind_double(stmt, c + 1, row.values.at(c).toDouble());
            else
                bindText(stmt, c + 1, row.values.at(c));
        }
    }, errors);
}

// The entries are read as one table, but the titles and the long encoded texts are
// stored apart: a substring search then scans only the small title rows and
// fetches the texts of the matches alone.
bool writeEntries(sqlite3 *db, const std::vector<SourceRow> &rows, QStringList &errors)
{
    const QString text = QStringLiteral("TEXT COLLATE NOCASE");
    const bool created =
        exec(db, QStringLiteral("CREATE TABLE JMTitles (id INTEGER PRIMARY KEY, TITLE %1, CLASEID %1)").arg(text), errors)
        && exec(db, QStringLiteral("CREATE TABLE JMTexts (id INTEGER PRIMARY KEY, CONENT %1)").arg(text), errors)
        && exec(db, QStringLiteral("CREATE INDEX JMTitles_title ON JMTitles (TITLE)"), errors)
        && exec(db, QStringLiteral("CREATE INDEX JMTitles_class ON JMTitles (CLASEID)"), errors)
        && exec(db, QStringLiteral("CREATE VIEW JMTable AS SELECT t.TITLE AS TITLE, x.CONENT AS CONENT, "
                                   "t.CLASEID AS CLASEID FROM JMTitles t JOIN JMTexts x ON x.id = t.id"), errors);
    if (!created)
        return false;
    return insertRows(db, QStringLiteral("INSERT INTO JMTitles VALUES (?,?,?)"), rows,
                      [](sqlite3_stmt *stmt, const SourceRow &row, int id) {
                          sqlite3_bind_int(stmt, 1, id);
                          bindText(stmt, 2, row.values.at(0));
                          bindText(stmt, 3, row.values.at(2));
                      }, errors)
           && insertRows(db, QStringLiteral("INSERT INTO JMTexts VALUES (?,?)"), rows,
                         [](sqlite3_stmt *stmt, const SourceRow &row, int id) {
                             sqlite3_bind_int(stmt, 1, id);
                             bindText(stmt, 2, EncodeContent(row.values.at(1), contentKey, contentRounds));
                         }, errors);
}

// The pinyin key of every title and alias, for the search.
bool writePinyin(sqlite3 *db, const std::vector<SourceRow> &entries, const std::vector<SourceRow> &aliases,
                 const HanReadings &readings, QStringList &errors)
{
    if (!exec(db, QStringLiteral("CREATE TABLE JMPinyin (TERM TEXT COLLATE NOCASE, SYLLABLES TEXT)"), errors)
        || !exec(db, QStringLiteral("CREATE INDEX JMPinyin_term ON JMPinyin (TERM)"), errors))
        return false;
    std::vector<SourceRow> terms;
    for (const SourceRow &entry : entries)
        terms.push_back({entry.file, entry.line, {trimText(entry.values.at(0))}});
    for (const SourceRow &alias : aliases)
        terms.push_back({alias.file, alias.line, {trimText(alias.values.at(0))}});
    return insertRows(db, QStringLiteral("INSERT INTO JMPinyin VALUES (?,?)"), terms,
                      [&readings](sqlite3_stmt *stmt, const SourceRow &row, int) {
                          bindText(stmt, 1, row.values.at(0));
                          bindText(stmt, 2, pinyinKeyOf(row.values.at(0), readings));
                      }, errors);
}

const std::vector<SourceRow> &rowsOf(const std::vector<std::vector<SourceRow>> &tables, const char *name)
{
    for (size_t t = 0; t < DreamSchema::tables().size(); ++t) {
        if (qstrcmp(DreamSchema::tables()[t].name, name) == 0)
            return tables[t];
    }
    Q_UNREACHABLE();
}

} // namespace

bool buildDreamDatabase(const QString &sourceDir, const QString &outputPath, QStringList &errors,
                        const QString &unihanPath)
{
    if (!QFileInfo(sourceDir).isDir()) {
        errors << QStringLiteral("%1: no such source folder").arg(sourceDir);
        return false;
    }
    std::vector<std::vector<SourceRow>> tables;
    QSet<QString> categoryCodes;
    bool ok = true;
    for (const TableSchema &schema : DreamSchema::tables()) {
        std::vector<SourceRow> rows;
        ok = readTable(schema, sourceDir, rows, errors) && ok;
        if (qstrcmp(schema.name, "Tclass") == 0) {
            for (const SourceRow &row : rows)
                categoryCodes.insert(trimText(row.values.at(0)));
        }
        ok = checkRows(schema, rows, categoryCodes, errors) && ok;
        tables.push_back(std::move(rows));
    }
    ok = ok && checkAliases(rowsOf(tables, "JMAlias"), rowsOf(tables, "JMTable"), errors);
    if (!ok)
        return false;
    const HanReadings *readings = nullptr;
    QString readingsError;
    if (!unihanReadings(unihanPath, readings, readingsError)) {
        errors << readingsError;
        return false;
    }

    const QString temporary = outputPath + QStringLiteral(".part");
    QFile::remove(temporary);
    sqlite3 *rawDb = nullptr;
    if (sqlite3_open(temporary.toUtf8().constData(), &rawDb) != SQLITE_OK) {
        errors << QStringLiteral("%1: cannot be created").arg(temporary);
        sqlite3_close(rawDb);
        return false;
    }
    {
        std::unique_ptr<sqlite3, DatabaseCloser> db(rawDb);
        ok = exec(db.get(), QStringLiteral("BEGIN"), errors);
        for (size_t t = 0; ok && t < DreamSchema::tables().size(); ++t) {
            const TableSchema &schema = DreamSchema::tables()[t];
            ok = qstrcmp(schema.name, "JMTable") == 0 ? writeEntries(db.get(), tables[t], errors)
                                                      : writeTable(db.get(), schema, tables[t], errors);
        }
        ok = ok && writePinyin(db.get(), rowsOf(tables, "JMTable"), rowsOf(tables, "JMAlias"), *readings, errors);
        ok = ok && exec(db.get(), QStringLiteral("COMMIT"), errors);
    }
    if (!ok) {
        QFile::remove(temporary);
        return false;
    }
    QFile::remove(outputPath);
    if (!QFile::rename(temporary, outputPath)) {
        errors << QStringLiteral("%1: cannot be written").arg(outputPath);
        QFile::remove(temporary);
        return false;
    }
    return true;
}
