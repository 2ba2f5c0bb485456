#pragma once

#include "data/Query.h"

#include <QChar>
#include <QString>

// The phone-number reading: the number from the eighth digit on, modulo 80,
// keys one of the stored readings.
namespace PhoneReading {

inline constexpr int maxLength = 11;

extern const QString emptyMessage;
extern const QString wrongMessage;

// The keyboard filter: digits, Backspace and Enter pass.
bool keyPasses(QChar c);

// The message that refuses a trimmed entry, or an empty text when it can be read.
QString refusal(const QString &entry);

// The reading number of an entry that passed the checks, as decimal text.
QString shoujiinfostr(const QString &entry);

struct Reading
{
    QString number;
    QString title;
    QString jx;
    QString content;
};

// Reads the stored reading of a checked entry; false when the statement could
// not be opened. A reading number without a row leaves the three texts empty.
bool read(Query &query, const QString &entry, Reading &reading);

} // namespace PhoneReading
