#pragma once

#include <QStringList>

class QPlainTextEdit;

// A text area holds a list of lines, as the saved files do.
void setTextAreaLines(QPlainTextEdit *area, const QStringList &lines);
QStringList textAreaLines(const QPlainTextEdit *area);
