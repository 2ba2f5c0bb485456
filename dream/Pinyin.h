#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Pinyin as the search compares it: lower-case ASCII letters without tones,
// ü written as v ("lǜ" -> "lv").
namespace Pinyin {

// Folds one written syllable (tone marks, ü, capitals); other characters stay.
QString toneless(QStringView syllable);

// A whole query as pinyin letters: tone marks and tone digits, blanks and
// apostrophes dropped ("Bái shé" -> "baishe", "bai2 she2" -> "baishe"). Empty
// when the text holds anything else, such as a Han character.
QString queryLetters(QStringView text);

// The stored key of a term: one token per character, separated by blanks; a
// token lists the character's common readings separated by '/', then, after
// '|', readings only the historical dictionaries give. A Latin letter or digit
// stands for itself; a character without a reading is "-".
struct Syllables
{
    QStringList common;
    QStringList rare;
};
QString key(const QList<Syllables> &characters);

} // namespace Pinyin
