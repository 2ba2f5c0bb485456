#pragma once

#include <QString>

// The statement texts the windows send, built by plain concatenation of a
// fixed text and quoted values. Leading and double blanks are deliberate.
namespace Statements {
QString categories();
QString titlesOfCategoryCode(const QString &code);
QString titlesOfCategoryName(const QString &name);
QString contentOfTitle(const QString &title);
QString firstEntryOfTitle(const QString &title);
QString entriesLike(const QString &keyword);
QString phoneReading(const QString &key);
QString constellationPair(const QString &man, const QString &woman);
QString yearWeight(const QString &year);
QString monthWeight(const QString &month);
QString dayWeight(const QString &day);
QString hourWeight(const QString &hour);
QString boneVerse(const QString &code);
}
