#pragma once

#include "tools/UnihanReadings.h"

#include <QString>
#include <QStringList>

// Builds the dream database from the readable source text: for every table,
// <source>/<table>.tsv and every <source>/<table>/*.tsv, each a UTF-8 file whose
// first line names the columns, tab-separated. In a field, \n stands for a line
// break, \t for a tab and \\ for a backslash. Tables without source stay empty.
// Errors name the file and line; on any error nothing is written.
// aliases.tsv (ALIAS, TITLE) gives other names of entries; every title and
// alias gets its pinyin key from the Unihan readings (JMPinyin).
bool buildDreamDatabase(const QString &sourceDir, const QString &outputPath, QStringList &errors,
                        const QString &unihanPath = defaultUnihanReadingsPath());
