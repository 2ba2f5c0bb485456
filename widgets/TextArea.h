#pragma once

#include <QStringList>

class QPlainTextEdit;
class QWidget;

// A text area holds a list of lines, as the saved files do.
void setTextAreaLines(QPlainTextEdit *area, const QStringList &lines);
QStringList textAreaLines(const QPlainTextEdit *area);

// The read-only text area of the text windows: vertical scroll bar, thin frame
// and the tooltip background.
QPlainTextEdit *createReadOnlyTextArea(QWidget *parent);
// Gives a view the tooltip colours; a style sheet of its own keeps them when the
// application's skin paints views white.
void useTooltipColours(QWidget *view, const char *kind);
