#pragma once

#include "widgets/ScrollTextRender.h"

#include <QTimer>
#include <QWidget>

// A credits-style display: the text is drawn once into an image as wide as the
// control and scrolls upward round and round, pausing at its start, with the
// top and bottom rows faded into the background. Lines select fonts with tags
// such as <Title1>; the default font is the control's own font and text colour.
class TAAScrollText : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool active READ active WRITE setActive)
    Q_PROPERTY(int scrollStep READ scrollStep WRITE setScrollStep)
    Q_PROPERTY(int scrollDelay READ scrollDelay WRITE setScrollDelay)
    Q_PROPERTY(int repeatDelay READ repeatDelay WRITE setRepeatDelay)
    Q_PROPERTY(int repeatCount READ repeatCount WRITE setRepeatCount)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)
    Q_PROPERTY(int rowPitch READ rowPitch WRITE setRowPitch)
    Q_PROPERTY(bool fade READ fade WRITE setFade)
    Q_PROPERTY(int fadeHeight READ fadeHeight WRITE setFadeHeight)
    Q_PROPERTY(int headSpace READ headSpace WRITE setHeadSpace)
    Q_PROPERTY(int tailSpace READ tailSpace WRITE setTailSpace)
public:
    explicit TAAScrollText(QWidget *parent = nullptr);

    bool active() const { return m_active; }
    void setActive(bool active);
    int scrollStep() const { return m_motion.step; }
    void setScrollStep(int pixels);
    int scrollDelay() const { return m_scrollDelay; }
    void setScrollDelay(int milliseconds);
    int repeatDelay() const { return m_repeatDelay; }
    void setRepeatDelay(int milliseconds);
    int repeatCount() const { return m_motion.repeatCount; }
    void setRepeatCount(int count);

    QColor backgroundColor() const { return m_style.background; }
    void setBackgroundColor(const QColor &color);
    QImage backgroundPicture() const { return m_style.backgroundPicture; }
    void setBackgroundPicture(const QImage &picture);
    Qt::Alignment alignment() const { return m_layout.alignment; }
    void setAlignment(Qt::Alignment alignment);
    bool wordWrap() const { return m_layout.wordWrap; }
    void setWordWrap(bool wrap);
    int rowPitch() const { return m_layout.rowPitch; }
    void setRowPitch(int percent);
    ScrollText::LabelEffect labelEffect() const { return m_layout.labelEffect; }
    void setLabelEffect(ScrollText::LabelEffect effect);
    bool fade() const { return m_fade; }
    void setFade(bool fade);
    int fadeHeight() const { return m_fadeHeight; }
    void setFadeHeight(int rows);
    int headSpace() const { return m_layout.headSpace; }
    void setHeadSpace(int percent);
    int tailSpace() const { return m_layout.tailSpace; }
    void setTailSpace(int percent);

    const QList<ScrollText::FontLabel> &fontLabels() const { return m_style.labels; }
    // Replaces the label of that name, or adds it.
    void setFontLabel(const ScrollText::FontLabel &label);
    const ScrollText::FontLabel *fontLabel(const QString &name) const;

    QString owner() const { return m_substitutions.owner; }
    void setOwner(const QString &owner);
    QString organization() const { return m_substitutions.organization; }
    void setOrganization(const QString &organization);

    const QStringList &lines() const { return m_lines; }
    void setLines(const QStringList &lines);

    int position() const { return m_motion.position(); }
    int passes() const { return m_motion.passes(); }
    bool isPausing() const { return m_pauseTimer.isActive(); }
    bool isTicking() const { return m_tickTimer.isActive(); }
    // The text as drawn, rendered first if anything changed.
    const QImage &renderedImage();
    const ScrollText::Layout &renderedLayout();
    int renderCount() const { return m_renderCount; }

    // One scroll tick; the tick timer calls it every scroll delay.
    void tick();

signals:
    void doubleClicked();
    // The repeat count has been reached; the text stands at its start.
    void finished();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void invalidate();
    void ensureRendered();
    void endPause();
    void showMoved(int previous);
    void startTicking();
    QRect bodyRect() const;

    QStringList m_lines;
    ScrollText::Style m_style;
    ScrollText::LayoutSettings m_layout;
    ScrollText::Substitutions m_substitutions;
    ScrollText::Layout m_placed;
    ScrollText::Motion m_motion;
    ScrollText::FadeTable m_fadeTable;
    QImage m_image;
    QImage m_scratch;
    QTimer m_tickTimer;
    QTimer m_pauseTimer;
    bool m_active = false;
    bool m_fade = true;
    int m_fadeHeight = 10;
    int m_scrollDelay = 60;
    int m_repeatDelay = 2000;
    bool m_dirty = true;
    int m_renderCount = 0;
};
