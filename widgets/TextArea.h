#pragma once

#include <QPlainTextEdit>
#include <QStringList>

class TextSaver;

// A text area holds a list of lines, as the saved files do.
void setTextAreaLines(QPlainTextEdit *area, const QStringList &lines);
QStringList textAreaLines(const QPlainTextEdit *area);

// Gives a view the tooltip colours; a style sheet of its own keeps them when the
// application's skin paints views white.
void useTooltipColours(QWidget *view, const char *kind);

// The read-only text area of the text windows: vertical scroll bar, thin frame
// and the tooltip background.
class ReadOnlyTextArea : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit ReadOnlyTextArea(QWidget *parent = nullptr);
};

// The save and print commands the text windows share: the area's lines go to
// the file the saver asks for, its text to the printer.
void saveTextArea(TextSaver &saver, const QString &title, const QPlainTextEdit *area);
void printTextArea(QPlainTextEdit *area, const QString &documentName);
