#include "data/DreamSchema.h"

#include "data/Query.h"

#include <QStringList>

namespace DreamSchema {

const std::vector<Table> &tables()
{
    static const std::vector<Table> list = {
        {"Tclass", {{"ZMID", ColumnType::Text}, {"ZMCLASS", ColumnType::Text}}, {"ZMID"}},
        {"JMTable", {{"TITLE", ColumnType::Text}, {"CONENT", ColumnType::Text}, {"CLASEID", ColumnType::Text}}, {"TITLE"}},
        {"shouji", {{"num", ColumnType::Text}, {"title", ColumnType::Text}, {"jx", ColumnType::Text}, {"content", ColumnType::Text}}, {"num"}},
        {"xingzuolove", {{"xingzuo1", ColumnType::Text}, {"xingzuo2", ColumnType::Text}, {"title", ColumnType::Text},
                         {"content1", ColumnType::Text}, {"content2", ColumnType::Text}}, {"xingzuo1", "xingzuo2"}},
        {"chenggu1", {{"year", ColumnType::Text}, {"weight", ColumnType::Number}}, {"year"}},
        {"chenggu2", {{"month", ColumnType::Text}, {"weight", ColumnType::Number}}, {"month"}},
        {"chenggu3", {{"day", ColumnType::Text}, {"weight", ColumnType::Number}}, {"day"}},
        {"chenggu4", {{"time", ColumnType::Text}, {"weight", ColumnType::Number}}, {"time"}},
        {"chenggu", {{"weight", ColumnType::Text}, {"content", ColumnType::Text}}, {"weight"}},
        // Other names people give an entry's subject; the search reads them.
        {"JMAlias", {{"ALIAS", ColumnType::Text}, {"TITLE", ColumnType::Text}}, {"ALIAS"}, "aliases"},
    };
    return list;
}

QString probeStatement()
{
    QStringList reads;
    for (const Table &table : tables()) {
        QStringList columns;
        for (const Column &column : table.columns)
            columns << QString::fromLatin1(column.name);
        reads << QStringLiteral("(select %1 from %2 limit 1)")
                     .arg(columns.join(QLatin1Char(',')), QString::fromLatin1(table.name));
    }
    return QStringLiteral("select 1 from ") + reads.join(QStringLiteral(", "));
}

} // namespace DreamSchema

bool checkDreamDatabase(Query &query)
{
    const bool ok = query.run(DreamSchema::probeStatement());
    query.close();
    return ok;
}
