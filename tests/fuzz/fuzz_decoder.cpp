// The content decoder and its hexadecimal parser over any stored text, and
// both round trips the database tool relies on.
#include "FuzzCheck.h"

#include "data/uShare.h"
#include "dream/DreamLookup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);

    // Whatever a CONENT value holds reaches the parser and the decoder.
    const QString stored = QString::fromUtf8(bytes);
    const QByteArray parsed = HexToStr(stored);
    FUZZ_CHECK(parsed.size() <= stored.size() / 2, stored.left(80));
    (void)DreamLookup::decoded(stored);
    (void)DecodeContent(QString::fromLatin1(bytes), contentKey, contentRounds);

    FUZZ_CHECK(HexToStr(StrToHex(bytes)) == bytes, StrToHex(bytes.left(40)));

    // Any key and number of rounds: decoding undoes encoding byte for byte.
    if (size >= 3) {
        const quint16 key = quint16(data[0] | (data[1] << 8));
        const int rounds = data[2] % 16;
        const QByteArray plain = bytes.mid(3);
        const QByteArray encoded = encodeContentBytes(plain, key, rounds);
        FUZZ_CHECK(encoded.size() == plain.size(), QString::number(key));
        FUZZ_CHECK(decodeContentBytes(encoded, key, rounds) == plain, QString::number(key));
    }
    return 0;
}
