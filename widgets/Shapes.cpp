#include "widgets/Shapes.h"

#include <QPainter>

Shape::Shape(QWidget *parent) : QWidget(parent)
{
}

void Shape::setFillColor(const QColor &color)
{
    m_fill = color;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

Bevel::Bevel(QWidget *parent) : QWidget(parent)
{
}

void Bevel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(0, height() - 2, width() - 1, height() - 2);
    painter.setPen(Qt::white);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}
