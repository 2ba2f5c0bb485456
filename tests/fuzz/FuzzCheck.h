#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken property is a finding: say which and abort, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition, what)                                                                      \
    do {                                                                                                 \
        if (!(condition)) {                                                                              \
            std::fprintf(stderr, "fuzz check failed: %s (%s)\n", #condition, qPrintable(QString(what))); \
            std::abort();                                                                                \
        }                                                                                                \
    } while (false)

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}
