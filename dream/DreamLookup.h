#pragma once

#include "data/Query.h"

#include <QString>
#include <QStringList>

// The dream lookups of the analysis and dream book windows, free of widgets so
// the command-line tool prints exactly what a window shows.
namespace DreamLookup {

enum class SearchMode { Exact = 0, Substring = 1 };

extern const QString notFoundMessage;
QString countMessage(int rows);

QString decoded(const QString &storedContent);

// Category names in code order; false when the query could not be opened.
bool categoryNames(Query &query, QStringList &names);
bool titlesOfCategoryName(Query &query, const QString &name, QStringList &titles);

struct SearchResult
{
    int rows = 0;
    QStringList lines; // the text area's lines, empty when nothing matched
};
// One search; false when the query could not be opened.
bool search(Query &query, const QString &text, SearchMode mode, SearchResult &result);

// The stored text of the first entry with that title, decoded; false when the
// query could not be opened. An unknown title gives true and no lines.
bool contentOfTitle(Query &query, const QString &title, QStringList &lines);

struct CategoryStats
{
    QString name;
    int entries = 0;
    qint64 characters = 0; // of the decoded texts
};
// Entries and decoded text size per category, in code order; false when the
// database could not be read.
bool statistics(Query &query, QList<CategoryStats> &categories);

} // namespace DreamLookup
