#pragma once

#include "support/Fixture.h"

#include <QFile>
#include <QMap>
#include <QString>

// A few rows of every table the calculators read, chosen so each case shows
// one path: an inexact double sum, a code without a verse, totals that have
// no code, rows that are missing, and the documented worked keys.
inline QMap<QString, QString> fortuneSources()
{
    return {
        {QStringLiteral("chenggu1.tsv"), tsv({{"year", "weight"},
                                              {"1984", "0.7"},   // 0.7+1.6+0.9+1.0 = 4.199999999999999
                                              {"1986", "1.0"},   // 4.5: no verse stored
                                              {"1987", "1.5"},   // 5.0
                                              {"1988", "7.0"},   // 10.5: no code
                                              {"1989", "0.05"},  // 3.55: a second decimal digit
                                              {"1991", "0.5"}})}, // alone 0.5: below 1
        {QStringLiteral("chenggu2.tsv"), tsv({{"month", "weight"}, {"正", "1.6"}})},
        {QStringLiteral("chenggu3.tsv"), tsv({{"day", "weight"}, {"初一", "0.9"}})},
        {QStringLiteral("chenggu4.tsv"), tsv({{"time", "weight"}, {"0", "1.0"}})},
        // "1.", "35" and "05" are what the bare rule would make of 10.5, 3.55 and 0.5.
        {QStringLiteral("chenggu.tsv"), tsv({{"weight", "content"},
                                             {"42", " 四两二钱之诗 "},
                                             {"50", "五两之诗"},
                                             {"35", "三两五钱之诗"},
                                             {"1.", "十两半之诗"},
                                             {"05", "五钱之诗"}})},
        {QStringLiteral("shouji.tsv"), tsv({{"num", "title", "jx", "content"},
                                            {"34", " 三十四之状 ", " 凶 ", " 三十四之表现 "},
                                            {"0", "八十之状", "凶", "八十之表现"},
                                            {"79", "七十九之状", "凶", "七十九之表现"},
                                            {"5", "五之状", "吉", "五之表现"},
                                            {"7", "七之状", "吉", "七之表现"}})},
        {QStringLiteral("xingzuolove.tsv"), tsv({{"xingzuo1", "xingzuo2", "title", "content1", "content2"},
                                                 {"水瓶座", "白羊座", " 水瓶男白羊女 ", "男瓶一", "男瓶二"},
                                                 {"白羊座", "水瓶座", "白羊男水瓶女", "男羊一", "男羊二"},
                                                 {"水瓶座", "水瓶座", "双瓶", "同一", "同二"}})},
    };
}

// The shipped source text of one table.
inline QString shippedSource(const QString &file)
{
    QFile source(sourceTreePath(QStringLiteral("data-src/") + file));
    if (!source.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(source.readAll());
}
