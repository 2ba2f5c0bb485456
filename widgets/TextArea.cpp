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

QPlainTextEdit *createReadOnlyTextArea(QWidget *parent)
{
    auto *area = new QPlainTextEdit(parent);
    area->setObjectName(QStringLiteral("RzMemo1"));
    area->setReadOnly(true);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    useTooltipColours(area, "QPlainTextEdit");
    return area;
}
