#pragma once

#include <QString>

// The application's general error report: a message box with the error's
// text; the program goes on.
void reportError(const QString &text);
