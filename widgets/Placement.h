#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// The windows were designed for a 1024 x 768 desktop on which the 800 x 600
// main window stood centred, at (112, 84).
inline constexpr QSize designedDesktop{1024, 768};
inline constexpr QSize designedMainSize{800, 600};
inline constexpr QPoint designedMainPosition{112, 84};

// The designed position of a window designed to stand centred on that desktop.
QPoint designedCentre(const QSize &frame);

// Where a window whose frame has that size goes: its designed position taken
// relative to the main window's position, kept within the available area.
QPoint placeRelative(const QPoint &designed, const QSize &frame, const QPoint &mainPosition, const QRect &available);
// A frame moved, and shrunk where it must be, into the available area.
QRect keptWithin(QRect frame, const QRect &available);

// The window the designed positions are relative to; the main window names itself.
void setPlacementAnchor(QWidget *mainWindow);

// Moves a window to its designed position relative to the main window; while
// no main window is shown, as if one stood centred on the screen.
void placeAsDesigned(QWidget *window, const QPoint &designed);
// The size of a window's frame once it is shown.
QSize frameSizeOf(const QWidget *window);
// Lays a window, frame included, over a part of another window, kept on the screen.
void placeOver(QWidget *window, const QWidget *part);

// Window flags of a window whose frame offers only the system menu and close.
void useSystemMenuOnly(QWidget *window);
