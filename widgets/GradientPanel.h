#pragma once

#include <QColor>
#include <QFrame>

// A framed panel filled with a two-colour gradient, top to bottom.
class GradientPanel : public QFrame
{
    Q_OBJECT
public:
    GradientPanel(const QColor &from, const QColor &to, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_from;
    QColor m_to;
};
