#include "dream/DreamLookup.h"

#include "data/Statements.h"
#include "data/uShare.h"

#include <QHash>

namespace DreamLookup {

const QString notFoundMessage = QStringLiteral("没有找到结果，请输入较准确的内容。\r"
                                               "也可以在解梦大类和解梦细项帮你找到\r"
                                               "相关解析，或者也可以通过解梦全\r"
                                               "书找你想要的结果。");

QString countMessage(int rows)
{
    return QStringLiteral("共找到") + QString::number(rows) + QStringLiteral("记录！");
}

QString decoded(const QString &storedContent)
{
    return DecodeContent(trimText(storedContent), contentKey, contentRounds);
}

bool categoryNames(Query &query, QStringList &names)
{
    if (!query.run(Statements::categories()))
        return false;
    for (; !query.eof(); query.next())
        names << trimText(query.text(1));
    query.close();
    return true;
}

bool titlesOfCategoryName(Query &query, const QString &name, QStringList &titles)
{
    if (!query.run(Statements::titlesOfCategoryName(name)))
        return false;
    for (; !query.eof(); query.next())
        titles << trimText(query.text(0));
    return true;
}

bool search(Query &query, const QString &text, SearchMode mode, SearchResult &result)
{
    const QString sql = mode == SearchMode::Exact ? Statements::firstEntryOfTitle(text)
                                                  : Statements::entriesLike(text);
    if (!query.run(sql))
        return false;
    result = {};
    result.rows = query.recordCount();
    if (mode == SearchMode::Exact) {
        // The exact search shows the text alone, without its title.
        if (!query.eof())
            addLines(result.lines, decoded(query.text(1)));
    } else {
        for (bool firstRow = true; !query.eof(); query.next(), firstRow = false) {
            if (!firstRow)
                result.lines << QString();
            result.lines << trimText(query.text(0));
            result.lines << QString();
            addLines(result.lines, decoded(query.text(1)));
            result.lines << QString();
        }
    }
    query.close();
    return true;
}

bool contentOfTitle(Query &query, const QString &title, QStringList &lines)
{
    if (!query.run(Statements::contentOfTitle(title)))
        return false;
    lines.clear();
    if (!query.eof())
        addLines(lines, decoded(query.text(0)));
    query.close();
    return true;
}

bool statistics(Query &query, QList<CategoryStats> &categories)
{
    if (!query.run(Statements::categories()))
        return false;
    QHash<QString, qsizetype> byCode;
    for (; !query.eof(); query.next()) {
        byCode.insert(trimText(query.text(0)), categories.size());
        categories.append({trimText(query.text(1)), 0, 0});
    }
    if (!query.run(QStringLiteral("select CLASEID, CONENT from JMTable")))
        return false;
    for (; !query.eof(); query.next()) {
        const auto found = byCode.constFind(trimText(query.text(0)));
        if (found == byCode.cend())
            continue;
        CategoryStats &stats = categories[*found];
        ++stats.entries;
        stats.characters += decoded(query.text(1)).size();
    }
    query.close();
    return true;
}

} // namespace DreamLookup
