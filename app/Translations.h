#pragma once

// Qt's own texts in Simplified Chinese: the buttons of message boxes, the
// file, print and printer set-up dialogs. False when the translations are not
// installed; Qt then speaks English.
bool installChineseTranslations();
