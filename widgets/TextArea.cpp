#include "widgets/TextArea.h"

#include "data/Platform.h"
#include "data/SaveText.h"

void setTextAreaLines(QPlainTextEdit *area, const QStringList &lines)
{
    area->setPlainText(lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

QStringList textAreaLines(const QPlainTextEdit *area)
{
    QString text = area->toPlainText();
    if (text.isEmpty())
        return {};
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

void useTooltipColours(QWidget *view, const char *kind)
{
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    view->setPalette(palette);
    view->setStyleSheet(QStringLiteral("%1 { background: %2; color: %3; }")
                            .arg(QLatin1String(kind), palette.color(QPalette::ToolTipBase).name(),
                                 palette.color(QPalette::ToolTipText).name()));
}

ReadOnlyTextArea::ReadOnlyTextArea(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    useTooltipColours(this, "QPlainTextEdit");
}

void saveTextArea(TextSaver &saver, const QString &title, const QPlainTextEdit *area)
{
    saver.save(title, textAreaLines(area));
}

void printTextArea(QPlainTextEdit *area, const QString &documentName)
{
    area->viewport()->update();
    printing().printText(documentName, area->toPlainText());
}
