#pragma once

#include <QColor>
#include <QWidget>

// A rectangle filled with one colour, with a thin black frame.
class Shape : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor)
public:
    explicit Shape(QWidget *parent = nullptr);

    QColor fillColor() const { return m_fill; }
    void setFillColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill{Qt::white};
};

// A lowered line along the bottom edge.
class Bevel : public QWidget
{
    Q_OBJECT
public:
    explicit Bevel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
