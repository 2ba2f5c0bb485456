#include "widgets/GradientPanel.h"

#include <QLinearGradient>
#include <QPainter>

GradientPanel::GradientPanel(QWidget *parent) : QFrame(parent)
{
}

void GradientPanel::setTopColor(const QColor &color)
{
    m_top = color;
    update();
}

void GradientPanel::setBottomColor(const QColor &color)
{
    m_bottom = color;
    update();
}

void GradientPanel::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, m_top);
        gradient.setColorAt(1, m_bottom);
        painter.fillRect(contentsRect(), gradient);
    }
    QFrame::paintEvent(event);
}
