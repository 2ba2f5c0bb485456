#include "widgets/TAAScrollText.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

using namespace ScrollText;

TAAScrollText::TAAScrollText(QWidget *parent) : QWidget(parent)
{
    // Every pixel is painted, which lets a tick scroll the backing store
    // instead of repainting the whole view.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_style.labels = standardFontLabels();
    m_layout.tailSpace = 60;
    m_substitutions.owner = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    m_substitutions.organization = QCoreApplication::organizationName();

    m_tickTimer.setTimerType(Qt::PreciseTimer);
    m_tickTimer.setInterval(m_scrollDelay);
    connect(&m_tickTimer, &QTimer::timeout, this, &TAAScrollText::tick);
    m_pauseTimer.setSingleShot(true);
    connect(&m_pauseTimer, &QTimer::timeout, this, &TAAScrollText::endPause);
}

void TAAScrollText::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (active) {
        m_motion.restartPasses();
        startTicking();
    } else {
        m_tickTimer.stop();
        m_pauseTimer.stop();
    }
}

void TAAScrollText::setScrollStep(int pixels)
{
    m_motion.step = std::max(1, pixels);
}

void TAAScrollText::setScrollDelay(int milliseconds)
{
    m_scrollDelay = std::max(1, milliseconds);
    m_tickTimer.setInterval(m_scrollDelay);
}

void TAAScrollText::setRepeatDelay(int milliseconds)
{
    m_repeatDelay = std::max(0, milliseconds);
}

void TAAScrollText::setRepeatCount(int count)
{
    m_motion.repeatCount = std::max(0, count);
}

void TAAScrollText::setBackgroundColor(const QColor &color)
{
    if (color == m_style.background)
        return;
    m_style.background = color;
    invalidate();
}

void TAAScrollText::setBackgroundPicture(const QImage &picture)
{
    m_style.backgroundPicture = picture;
    invalidate();
}

void TAAScrollText::setAlignment(Qt::Alignment alignment)
{
    m_layout.alignment = alignment & Qt::AlignHorizontal_Mask;
    invalidate();
}

void TAAScrollText::setWordWrap(bool wrap)
{
    m_layout.wordWrap = wrap;
    invalidate();
}

void TAAScrollText::setRowPitch(int percent)
{
    m_layout.rowPitch = std::max(-100, percent);
    invalidate();
}

void TAAScrollText::setLabelEffect(LabelEffect effect)
{
    m_layout.labelEffect = effect;
    invalidate();
}

void TAAScrollText::setFade(bool fade)
{
    m_fade = fade;
    invalidate();
}

void TAAScrollText::setFadeHeight(int rows)
{
    m_fadeHeight = std::max(0, rows);
    invalidate();
}

void TAAScrollText::setHeadSpace(int percent)
{
    m_layout.headSpace = std::max(0, percent);
    invalidate();
}

void TAAScrollText::setTailSpace(int percent)
{
    m_layout.tailSpace = std::max(0, percent);
    invalidate();
}

void TAAScrollText::setFontLabel(const FontLabel &label)
{
    auto same = [&](const FontLabel &known) { return known.name.compare(label.name, Qt::CaseInsensitive) == 0; };
    const auto it = std::find_if(m_style.labels.begin(), m_style.labels.end(), same);
    if (it != m_style.labels.end())
        *it = label;
    else
        m_style.labels << label;
    invalidate();
}

const FontLabel *TAAScrollText::fontLabel(const QString &name) const
{
    for (const FontLabel &label : m_style.labels) {
        if (label.name.compare(name, Qt::CaseInsensitive) == 0)
            return &label;
    }
    return nullptr;
}

void TAAScrollText::setOwner(const QString &owner)
{
    m_substitutions.owner = owner;
    invalidate();
}

void TAAScrollText::setOrganization(const QString &organization)
{
    m_substitutions.organization = organization;
    invalidate();
}

void TAAScrollText::setLines(const QStringList &lines)
{
    m_lines = lines;
    invalidate();
}

const QImage &TAAScrollText::renderedImage()
{
    ensureRendered();
    return m_image;
}

const Layout &TAAScrollText::renderedLayout()
{
    ensureRendered();
    return m_placed;
}

void TAAScrollText::invalidate()
{
    // Every rendering starts the text again at the top, so its pause follows.
    m_dirty = true;
    m_motion.reset();
    if (m_active)
        startTicking();
    update();
}

void TAAScrollText::ensureRendered()
{
    if (!m_dirty)
        return;
    m_dirty = false;
    m_style.defaultFont = font();
    m_style.defaultColor = palette().color(QPalette::WindowText);
    const QDateTime now = QDateTime::currentDateTime();
    m_substitutions.appTitle = QGuiApplication::applicationDisplayName();
    m_substitutions.date = now.toString(QStringLiteral("yyyy-MM-dd"));
    m_substitutions.time = now.toString(QStringLiteral("HH:mm:ss"));
    QList<ParsedLine> parsed;
    parsed.reserve(m_lines.size());
    for (const QString &line : std::as_const(m_lines))
        parsed << parseLine(line, m_style.labels, m_substitutions);
    m_layout.view = size();
    m_layout.fadeHeight = m_fade ? m_fadeHeight : 0;
    m_placed = layoutLines(parsed, m_layout, fontMeasure(m_style), fontWrap(m_style));
    m_image = renderText(m_placed, width(), m_style);
    m_fadeTable.build(m_style.background.rgb(), m_layout.fadeHeight);
    ++m_renderCount;
}

void TAAScrollText::startTicking()
{
    m_pauseTimer.stop();
    m_tickTimer.start(m_scrollDelay);
}

void TAAScrollText::tick()
{
    ensureRendered();
    const int previous = position();
    switch (m_motion.tick(m_image.height())) {
    case Motion::Tick::Pause:
        m_tickTimer.stop();
        m_pauseTimer.start(m_repeatDelay);
        break;
    case Motion::Tick::Finished:
        m_tickTimer.stop();
        m_active = false;
        emit finished();
        break;
    case Motion::Tick::Advance:
    case Motion::Tick::Wrap:
        showMoved(previous);
        break;
    }
}

void TAAScrollText::endPause()
{
    ensureRendered();
    m_motion.resume(m_image.height());
    showMoved(0);
    if (m_active)
        m_tickTimer.start(m_scrollDelay);
}

QRect TAAScrollText::bodyRect() const
{
    const int fadeRows = std::min(m_layout.fadeHeight, (height() + 1) / 2);
    return QRect(0, fadeRows, width(), std::max(0, height() - 2 * fadeRows));
}

void TAAScrollText::showMoved(int previous)
{
    if (!isVisible())
        return;
    const int imageHeight = m_image.height();
    const int shift = imageHeight > 0 ? ((position() - previous) % imageHeight + imageHeight) % imageHeight : 0;
    const QRect body = bodyRect();
    if (shift == 0 || shift >= body.height()) {
        update();
        return;
    }
    // Moving by whole rows is a shift of the unfaded rows; only the row that
    // comes in and the two fade bands are painted again.
    scroll(0, -shift, body);
    update(QRect(0, 0, width(), body.top()));
    update(QRect(0, body.bottom() + 1, width(), height() - body.bottom() - 1));
}

void TAAScrollText::paintEvent(QPaintEvent *event)
{
    ensureRendered();
    QPainter painter(this);
    paintView(painter, m_image, position(), size(), m_fadeTable, m_scratch, event->rect());
}

void TAAScrollText::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    invalidate();
}

void TAAScrollText::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        invalidate();
}

void TAAScrollText::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        event->accept();
        emit doubleClicked();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}
