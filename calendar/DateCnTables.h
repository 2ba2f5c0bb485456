#pragma once

#include <QtGlobal>

#include <array>

// One row per Gregorian year 1901-2050. Byte 0 (the high byte): bit 7 set when
// January 1 lies in month 12 (else 11), bits 0-6 its lunar day; bytes 1-2: one bit
// per month slot from the high end, set for 30 days; byte 3: the month followed
// by a leap month, 0 for none.
extern const std::array<quint32, 150> LunarYearTable;

// One byte per Gregorian month of 1901-2050: the first term falls on day
// 15 - high nibble, the second on day 15 + low nibble.
extern const std::array<quint8, 1800> SolarTermTable;
