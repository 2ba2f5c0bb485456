#include "widgets/GradientPanel.h"

#include <QLinearGradient>
#include <QPainter>

GradientPanel::GradientPanel(const QColor &from, const QColor &to, QWidget *parent)
    : QFrame(parent), m_from(from), m_to(to)
{
}

void GradientPanel::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, m_from);
        gradient.setColorAt(1, m_to);
        painter.fillRect(contentsRect(), gradient);
    }
    QFrame::paintEvent(event);
}
