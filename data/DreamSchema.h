#pragma once

#include <QString>

#include <vector>

class Query;

// The tables and columns of dream.dll as the program reads them.
namespace DreamSchema {

enum class ColumnType { Text, Number };

struct Column
{
    const char *name;
    ColumnType type;
};

struct Table
{
    const char *name;
    std::vector<Column> columns;
    std::vector<const char *> key; // columns whose values together are expected once
    const char *source = nullptr;  // source file name when it is not the table's
};

const std::vector<Table> &tables();

// One statement over the first row of every table through every column, so
// that a file lacking any of them fails it.
QString probeStatement();

} // namespace DreamSchema

// Tries whether the program can read the dream database the query is connected
// to; false with the query's failure when it cannot.
bool checkDreamDatabase(Query &query);
