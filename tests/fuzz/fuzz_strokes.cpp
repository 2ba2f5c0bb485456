// The stroke walk of the love test over any bytes and any text.
#include "FuzzCheck.h"

#include "data/GbkText.h"
#include "fortune/LoveTest.h"
#include "fortune/StrokeTable.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    static const int mostStrokes = *std::max_element(StrokeTable.cbegin(), StrokeTable.cend());

    const int strokes = GetNameStrokes(bytes);
    // Every counted character takes two bytes.
    FUZZ_CHECK(strokes >= 0 && strokes <= mostStrokes * int(size / 2), QString::number(strokes));

    const QString text = QString::fromUtf8(bytes);
    FUZZ_CHECK(GetNameStrokes(text) == GetNameStrokes(toGbk(text)), text.left(40));

    const qsizetype half = text.size() / 2;
    const QString verdict = LoveTest::verdict(text.left(half), text.mid(half));
    FUZZ_CHECK(!verdict.isEmpty(), text.left(40));
    if (size > 0)
        FUZZ_CHECK(!GetFateText(int(int8_t(data[0]))).isEmpty(), QString::number(int(int8_t(data[0]))));
    return 0;
}
