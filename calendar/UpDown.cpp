#include "calendar/UpDown.h"

#include <QPainter>
#include <QToolButton>

namespace {

// Draws its arrow itself in the button's text colour: a skin's padding leaves a
// button 16 pixels wide and 12 high no room for the style's own arrow.
class ArrowButton : public QToolButton
{
public:
    ArrowButton(Qt::ArrowType direction, QWidget *parent) : QToolButton(parent), m_direction(direction)
    {
        setStyleSheet(QStringLiteral("QToolButton { padding: 0px; min-width: 0px; min-height: 0px; }"));
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QToolButton::paintEvent(event);
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::ButtonText));
        const QPointF centre = QRectF(rect()).center();
        const qreal half = 3.5;
        const qreal rise = m_direction == Qt::UpArrow ? -2.5 : 2.5;
        const QPointF tip = centre + QPointF(0, rise);
        const QPointF points[] = {tip, centre + QPointF(half, -rise), centre + QPointF(-half, -rise)};
        painter.drawPolygon(points, 3);
    }

private:
    Qt::ArrowType m_direction;
};

} // namespace

UpDown::UpDown(QWidget *parent) : QWidget(parent)
{
    m_up = new ArrowButton(Qt::UpArrow, this);
    m_up->setObjectName(QStringLiteral("up"));
    m_down = new ArrowButton(Qt::DownArrow, this);
    m_down->setObjectName(QStringLiteral("down"));
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
