// What people type into the dream search, and what reaches it from the command
// line: the query understanding and the ranked search over the shipped dictionary.
#include "FuzzCheck.h"

#include "dream/DreamSearch.h"

#include <QDir>

namespace {

const DreamSearch &shippedIndex()
{
    static DreamSearch index;
    static const bool loaded = index.load(QDir(QStringLiteral(VELMORA_PROGRAM_DIR)).filePath(QStringLiteral("dream.dll")));
    Q_UNUSED(loaded);
    return index;
}

bool tidy(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return text == text.trimmed();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    // UTF-8 as typed, and raw UTF-16 with lone surrogates as a window may hand over.
    const QString typed = QString::fromUtf8(bytes);
    const QString raw(reinterpret_cast<const QChar *>(bytes.constData()), bytes.size() / 2);

    for (const QString &text : {typed, raw}) {
        const QString normalized = DreamSearch::normalizeQuery(text);
        FUZZ_CHECK(normalized.size() <= DreamSearch::maxQueryLength, text.left(40));
        FUZZ_CHECK(tidy(normalized), normalized.left(40));
        const QString folded = DreamSearch::foldQuery(text);
        FUZZ_CHECK(folded.size() <= DreamSearch::maxQueryLength, text.left(40));

        const DreamSearch &index = shippedIndex();
        FUZZ_CHECK(index.loaded(), QStringLiteral("the shipped dream.dll did not load"));
        const int limit = size ? 1 + data[0] % 12 : 5;
        const QList<DreamSearch::Hit> hits = index.search(text, limit);
        FUZZ_CHECK(hits.size() <= limit, text.left(40));
        for (const DreamSearch::Hit &hit : hits) {
            FUZZ_CHECK(index.contains(hit.title), hit.title);
            for (const DreamSearch::Span &span : hit.spans)
                FUZZ_CHECK(span.start >= 0 && span.length > 0 && span.start + span.length <= hit.snippet.size(),
                           hit.title);
        }
        if (hits.isEmpty())
            (void)index.suggestions(text);
    }
    return 0;
}
