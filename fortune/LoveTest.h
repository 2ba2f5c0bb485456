#pragma once

#include <QByteArray>
#include <QString>

// The love test: each name's stroke total, and a verdict by their difference.
namespace LoveTest {

extern const QString missingNamesMessage;
extern const QString resultCaption;
extern const QString specialMan;
extern const QString specialWoman;
extern const QString specialVerdict;

// The verdict of two names that are both present (the emptiness test is the
// window's): surrounding blanks trimmed, the special pair first.
QString verdict(const QString &man, const QString &woman);

} // namespace LoveTest

// The stroke total of a GBK-encoded name: each byte pair with a lead byte of
// 0xB0 or above counts its table entry; pairs the table does not cover count 0.
int GetNameStrokes(const QByteArray &gbkName);
int GetNameStrokes(const QString &name);

// The verdict of a stroke difference; above 25 the fallback text.
QString GetFateText(int difference);
