#pragma once

#include "data/Query.h"

#include <QString>
#include <QStringList>

// The bone-weight reading: four weights of a lunar birth moment looked up,
// added, and the verse of the total.
namespace BoneWeight {

extern const QStringList monthNames;
extern const QStringList dayNames;
inline constexpr int firstYear = 1900;
inline constexpr int lastYear = 2050;
QStringList yearNames(); // "1900" to "2050"
QStringList hourNames(); // "0" to "23"

extern const QString noYearMessage;

// The total as general decimal text of 15 significant digits, so that the
// noise of double addition disappears (4.199999999999999 -> "4.2").
QString totalText(double total);
// The two-character verse key of a total: integer digit and first decimal
// digit. Empty when the total has no such key (below 1, 10 or more, or a
// second decimal digit), so no verse is looked up for it.
QString weightCode(double total);
// "你的骨重为：4两5钱" for the code 45, "你的骨重为：5两" for 50.
QString weightLine(const QString &code);
// The same line from the total itself, for totals without a code.
QString weightLineOfTotal(double total);

struct Reading
{
    double total = 0.0;
    QString code;
    bool hasVerse = false;
    QString verse;
    QString line; // the weight line; empty when a code has no verse
};

// One reading through the window's query object; false when any of its
// statements could not be opened.
bool read(Query &query, const QString &year, const QString &month, const QString &day, const QString &hour,
          Reading &reading);

} // namespace BoneWeight
