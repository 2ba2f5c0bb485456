#pragma once

// Where the desktop names no language (LANG unset, C or POSIX), the process
// takes Simplified Chinese as its system language, so that the dates and sizes
// Qt's dialogs show are Chinese too. Runs before the application object exists.
void preferChineseWhereNoLanguageIsSet();

// Qt's own texts in Simplified Chinese: the buttons of message boxes, the
// file, print and printer set-up dialogs. False when the translations are not
// installed; Qt then speaks English.
bool installChineseTranslations();
