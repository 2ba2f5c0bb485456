#pragma once

class QLabel;
class QString;
class QWidget;

// Window flags of a window whose frame offers only the system menu and close.
void useSystemMenuOnly(QWidget *window);
// Puts a window in the middle of the screen's work area.
void centreOnScreen(QWidget *window);
// A label at a designed place, named for the tests.
QLabel *placedLabel(QWidget *parent, const char *name, const QString &text, int x, int y);
