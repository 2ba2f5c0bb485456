#include "dream/DreamBook.h"

#include "data/Statements.h"
#include "data/uShare.h"

namespace DreamBook {

namespace {

bool run(Query &query, const QString &sql)
{
    query.close();
    query.clearSql();
    query.setSql(sql);
    return query.open();
}

} // namespace

bool load(Query &categories, Query &titles, QList<Category> &book)
{
    book.clear();
    if (!run(categories, Statements::categories()))
        return false;
    for (; !categories.eof(); categories.next()) {
        book.append({trimText(categories.text(1)), {}});
        if (!run(titles, Statements::titlesOfCategoryCode(trimText(categories.text(0)))))
            return false;
        for (; !titles.eof(); titles.next())
            book.last().titles << trimText(titles.text(0));
    }
    categories.close();
    titles.close();
    return true;
}

} // namespace DreamBook
