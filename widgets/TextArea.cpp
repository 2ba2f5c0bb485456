#include "widgets/TextArea.h"

#include <QPlainTextEdit>

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
