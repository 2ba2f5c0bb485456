#pragma once

#include "dream/Pinyin.h"

#include <QHash>
#include <QString>

// Mandarin readings of the Han characters, from Unihan_Readings.txt (plain or
// bzip2-compressed, as Debian's unicode-data ships it). Common readings come
// from kMandarin and the modern dictionaries (kXHC1983, kTGHZ2013, kHanyuPinlu);
// the simplified forms often have no kHanyuPinyin, and kMandarin gives only one
// reading (长 zhǎng, not cháng). Readings that only kHanyuPinyin lists are rare.
using HanReadings = QHash<char32_t, Pinyin::Syllables>;

// The readings of the file, read once per process and path; false with the
// error's text when the file cannot be read.
bool unihanReadings(const QString &path, const HanReadings *&readings, QString &error);

// The pinyin key of a term (see Pinyin::key).
QString pinyinKeyOf(const QString &term, const HanReadings &readings);

// Where Debian's unicode-data puts the readings.
QString defaultUnihanReadingsPath();
