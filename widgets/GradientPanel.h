#pragma once

#include <QColor>
#include <QFrame>

// A framed panel filled with a two-colour gradient, top to bottom.
class GradientPanel : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QColor topColor READ topColor WRITE setTopColor)
    Q_PROPERTY(QColor bottomColor READ bottomColor WRITE setBottomColor)
public:
    explicit GradientPanel(QWidget *parent = nullptr);

    QColor topColor() const { return m_top; }
    void setTopColor(const QColor &color);
    QColor bottomColor() const { return m_bottom; }
    void setBottomColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_top{Qt::white};
    QColor m_bottom{Qt::white};
};
