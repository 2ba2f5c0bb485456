#include "widgets/Placement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace {

QPointer<QWidget> &anchor()
{
    static QPointer<QWidget> mainWindow;
    return mainWindow;
}

const QScreen *screenOf(const QWidget *window)
{
    if (anchor() && anchor()->screen())
        return anchor()->screen();
    if (window->screen())
        return window->screen();
    return QGuiApplication::primaryScreen();
}

// The window manager's frame round a shown window; none before it is shown.
QMargins frameMargins(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// A window not shown yet will get the frame the main window has.
QMargins expectedFrame(const QWidget *window)
{
    if (window->isVisible())
        return frameMargins(window);
    return anchor() && anchor()->isVisible() ? frameMargins(anchor()) : QMargins();
}

int kept(int position, int length, int start, int room)
{
    if (length >= room)
        return start;
    return std::clamp(position, start, start + room - length);
}

} // namespace

QPoint designedCentre(const QSize &frame)
{
    return {(designedDesktop.width() - frame.width()) / 2, (designedDesktop.height() - frame.height()) / 2};
}

QPoint placeRelative(const QPoint &designed, const QSize &frame, const QPoint &mainPosition, const QRect &available)
{
    const QPoint wanted = mainPosition + designed - designedMainPosition;
    return {kept(wanted.x(), frame.width(), available.left(), available.width()),
            kept(wanted.y(), frame.height(), available.top(), available.height())};
}

QRect keptWithin(QRect frame, const QRect &available)
{
    frame.setWidth(std::min(frame.width(), available.width()));
    frame.setHeight(std::min(frame.height(), available.height()));
    frame.moveTo(kept(frame.x(), frame.width(), available.left(), available.width()),
                 kept(frame.y(), frame.height(), available.top(), available.height()));
    return frame;
}

void setPlacementAnchor(QWidget *mainWindow)
{
    anchor() = mainWindow;
}

void placeAsDesigned(QWidget *window, const QPoint &designed)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QPoint mainPosition = available.topLeft()
                          + QPoint((available.width() - designedMainSize.width()) / 2,
                                   (available.height() - designedMainSize.height()) / 2);
    if (anchor() && anchor() != window && anchor()->isVisible())
        mainPosition = anchor()->pos();
    window->move(placeRelative(designed, frameSizeOf(window), mainPosition, available));
}

QSize frameSizeOf(const QWidget *window)
{
    return window->size().grownBy(expectedFrame(window));
}

void placeOver(QWidget *window, const QWidget *part)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return;
    const QRect area(part->mapToGlobal(QPoint(0, 0)), part->size());
    const QRect frame = keptWithin(area, screen->availableGeometry());
    window->setGeometry(frame.marginsRemoved(expectedFrame(window)));
}

void useSystemMenuOnly(QWidget *window)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint);
}
