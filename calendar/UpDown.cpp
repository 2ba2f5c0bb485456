#include "calendar/UpDown.h"

#include <QToolButton>

UpDown::UpDown(QWidget *parent) : QWidget(parent)
{
    m_up = new QToolButton(this);
    m_up->setObjectName(QStringLiteral("up"));
    m_down = new QToolButton(this);
    m_down->setObjectName(QStringLiteral("down"));
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton *button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = qMax(minimum, maximum);
    m_position = qBound(m_minimum, m_position, m_maximum);
}

void UpDown::setPosition(int position)
{
    m_position = qBound(m_minimum, position, m_maximum);
}

void UpDown::step(int delta)
{
    const int next = qBound(m_minimum, m_position + delta, m_maximum);
    if (next == m_position)
        return;
    m_position = next;
    emit clicked();
}

void UpDown::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}
