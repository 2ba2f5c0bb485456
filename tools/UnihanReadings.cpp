#include "tools/UnihanReadings.h"

#include <QFile>
#include <QMutex>
#include <QMutexLocker>

#include <bzlib.h>

#include <cstdio>
#include <map>
#include <memory>

namespace {

struct FileCloser
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};

bool readCompressed(const QString &path, QByteArray &text, QString &error)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(QFile::encodeName(path).constData(), "rb"));
    if (!file) {
        error = QStringLiteral("%1: cannot be read").arg(path);
        return false;
    }
    int status = BZ_OK;
    BZFILE *bz = BZ2_bzReadOpen(&status, file.get(), 0, 0, nullptr, 0);
    if (status != BZ_OK) {
        BZ2_bzReadClose(&status, bz);
        error = QStringLiteral("%1: not a bzip2 file").arg(path);
        return false;
    }
    char buffer[1 << 16];
    while (status == BZ_OK) {
        const int got = BZ2_bzRead(&status, bz, buffer, int(sizeof buffer));
        if (got > 0)
            text.append(buffer, got);
    }
    const bool ok = status == BZ_STREAM_END;
    BZ2_bzReadClose(&status, bz);
    if (!ok)
        error = QStringLiteral("%1: damaged bzip2 data").arg(path);
    return ok;
}

bool readText(const QString &path, QByteArray &text, QString &error)
{
    if (path.endsWith(QLatin1String(".bz2")))
        return readCompressed(path, text, error);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: cannot be read").arg(path);
        return false;
    }
    text = file.readAll();
    return true;
}

// "0121.040:cháng 1456.020:zhǎng", "xíng(2943) háng(218)", "zhǎng": the syllables.
// About 1,500 distinct written syllables stand for some 150,000 readings, so
// each is folded once.
QStringList syllablesOf(QByteArrayView value, QHash<QByteArray, QString> &folded)
{
    QStringList result;
    qsizetype i = 0;
    while (i < value.size()) {
        qsizetype end = i;
        while (end < value.size() && value[end] != ' ' && value[end] != ',')
            ++end;
        QByteArrayView reading = value.sliced(i, end - i);
        i = end + 1;
        if (const qsizetype colon = reading.indexOf(':'); colon >= 0)
            reading = reading.sliced(colon + 1);
        if (const qsizetype paren = reading.indexOf('('); paren >= 0)
            reading = reading.first(paren);
        if (reading.isEmpty() || (reading[0] >= '0' && reading[0] <= '9'))
            continue; // a dictionary position, not a reading
        const QByteArray written = reading.toByteArray();
        auto found = folded.constFind(written);
        if (found == folded.cend())
            found = folded.insert(written, Pinyin::toneless(QString::fromUtf8(written)));
        if (!found->isEmpty())
            result << *found;
    }
    return result;
}

void addUnique(QStringList &list, const QStringList &values)
{
    for (const QString &value : values) {
        if (!list.contains(value))
            list << value;
    }
}

bool parse(const QString &path, HanReadings &readings, QString &error)
{
    QByteArray bytes;
    if (!readText(path, bytes, error))
        return false;
    QHash<char32_t, QStringList> historical;
    QHash<QByteArray, QString> folded;
    int lineNumber = 0;
    for (qsizetype lineStart = 0; lineStart < bytes.size();) {
        qsizetype lineEnd = bytes.indexOf('\n', lineStart);
        if (lineEnd < 0)
            lineEnd = bytes.size();
        const QByteArrayView line = QByteArrayView(bytes).sliced(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        ++lineNumber;
        if (!line.startsWith("U+"))
            continue;
        const qsizetype tab = line.indexOf('\t');
        const qsizetype secondTab = tab < 0 ? -1 : line.indexOf('\t', tab + 1);
        if (secondTab < 0)
            continue;
        const QByteArrayView field = line.sliced(tab + 1, secondTab - tab - 1);
        const bool common = field == "kMandarin" || field == "kXHC1983" || field == "kTGHZ2013"
                            || field == "kHanyuPinlu";
        if (!common && field != "kHanyuPinyin")
            continue;
        bool ok = false;
        const auto codePoint = char32_t(line.sliced(2, tab - 2).toByteArray().toUInt(&ok, 16));
        if (!ok) {
            error = QStringLiteral("%1:%2: bad code point").arg(path).arg(lineNumber);
            return false;
        }
        const QStringList syllables = syllablesOf(line.sliced(secondTab + 1), folded);
        if (common)
            addUnique(readings[codePoint].common, syllables);
        else
            addUnique(historical[codePoint], syllables);
    }
    for (auto it = historical.cbegin(); it != historical.cend(); ++it) {
        Pinyin::Syllables &entry = readings[it.key()];
        for (const QString &syllable : it.value()) {
            if (!entry.common.contains(syllable) && !entry.rare.contains(syllable))
                entry.rare << syllable;
        }
    }
    if (readings.isEmpty()) {
        error = QStringLiteral("%1: holds no Mandarin readings").arg(path);
        return false;
    }
    return true;
}

} // namespace

bool unihanReadings(const QString &path, const HanReadings *&readings, QString &error)
{
    // Tests build many small databases in one process; the file is read once.
    static QMutex mutex;
    static std::map<QString, std::unique_ptr<HanReadings>> cache;
    QMutexLocker lock(&mutex);
    auto found = cache.find(path);
    if (found == cache.end()) {
        auto parsed = std::make_unique<HanReadings>();
        if (!parse(path, *parsed, error))
            return false;
        found = cache.emplace(path, std::move(parsed)).first;
    }
    readings = found->second.get();
    return true;
}

QString pinyinKeyOf(const QString &term, const HanReadings &readings)
{
    QList<Pinyin::Syllables> characters;
    for (const char32_t c : term.toUcs4()) {
        Pinyin::Syllables syllables;
        if (c < 128 && QChar::isLetterOrNumber(c))
            syllables.common << QString(QChar(c).toLower());
        else if (const auto found = readings.constFind(c); found != readings.cend())
            syllables = *found;
        characters << syllables;
    }
    return Pinyin::key(characters);
}

QString defaultUnihanReadingsPath()
{
    return QStringLiteral("/usr/share/unicode/Unihan_Readings.txt.bz2");
}
