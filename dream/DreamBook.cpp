#include "dream/DreamBook.h"

#include "data/Statements.h"
#include "data/uShare.h"

namespace DreamBook {

bool load(Query &categories, Query &titles, QList<Category> &book)
{
    book.clear();
    if (!categories.run(Statements::categories()))
        return false;
    for (; !categories.eof(); categories.next()) {
        book.append({trimText(categories.text(1)), {}});
        if (!titles.run(Statements::titlesOfCategoryCode(trimText(categories.text(0)))))
            return false;
        for (; !titles.eof(); titles.next())
            book.last().titles << trimText(titles.text(0));
    }
    categories.close();
    titles.close();
    return true;
}

} // namespace DreamBook
