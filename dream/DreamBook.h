#pragma once

#include "data/Query.h"

#include <QList>
#include <QString>
#include <QStringList>

// The dream book's contents: every category with the titles of its entries.
namespace DreamBook {

struct Category
{
    QString name;
    QStringList titles;
};

// One query for the categories, in code order, and one per category for its
// titles. False when a query could not be opened; the categories read until
// then stay, the one whose titles failed without titles.
bool load(Query &categories, Query &titles, QList<Category> &book);

} // namespace DreamBook
