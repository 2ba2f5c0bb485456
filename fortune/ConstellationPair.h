#pragma once

#include "data/Query.h"

#include <QString>
#include <QStringList>

// The constellation pairing: the stored text of an ordered man-woman pair.
namespace ConstellationPair {

// Both lists, in this order (it starts with Aquarius).
extern const QStringList names;

// "水瓶座配对白羊座": the suggested file name of a saved pairing.
QString pairingCaption(const QString &man, const QString &woman);

// The pairing's lines: title, empty line, first text, empty line, second text.
// False when the statement could not be opened; no lines when the pair has no row.
bool pairingLines(Query &query, const QString &man, const QString &woman, QStringList &lines);

} // namespace ConstellationPair
