#pragma once

#include <QWidget>

class QToolButton;

// Two stacked arrow buttons stepping a position within a range, without wrapping
// and without an edit field beside them.
class UpDown : public QWidget
{
    Q_OBJECT
public:
    explicit UpDown(QWidget *parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int position() const { return m_position; }
    // Sets the position quietly, kept within the range.
    void setPosition(int position);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

signals:
    // A button press moved the position.
    void clicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void step(int delta);

    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
};
