// The settings file: any file, one write, then every key read back. The written
// value must come back as the reader gives it, and every other key unchanged.
//
// Input: one byte choosing the section and key, the value up to the first NUL
// byte (GBK), then the file's bytes.
#include "FuzzCheck.h"

#include "app/IniFile.h"
#include "data/GbkText.h"

#include <QFile>
#include <QTemporaryDir>

#include <array>

namespace {

// Every pair is read before and after each write, so the vocabulary stays small.
const std::array<QString, 3> sections = {QStringLiteral("Self_Reg"), QStringLiteral("Other"), QStringLiteral("New")};
const std::array<QString, 3> keys = {QStringLiteral("skin"), QStringLiteral("tite"), QStringLiteral("k")};
// Not a value any file can hold: it has a line break.
const QString absent = QStringLiteral("\n(absent)\n");

using Values = std::array<std::array<QString, 3>, 3>;

Values readAll(const IniFile &ini)
{
    Values values;
    for (size_t s = 0; s < sections.size(); ++s) {
        for (size_t k = 0; k < keys.size(); ++k)
            values[s][k] = ini.readString(sections[s], keys[k], absent);
    }
    return values;
}

// What the reader gives back for a written value: one line, as GBK holds it,
// without surrounding blanks, at most 2047 bytes.
bool readsBackAs(const QString &read, const QString &written)
{
    QString expected = written;
    expected.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    expected = fromGbk(toGbk(expected)).trimmed();
    if (toGbk(expected).size() <= iniValueBytes)
        return read == expected;
    return toGbk(read).size() <= iniValueBytes && expected.startsWith(read.left(read.size() - 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("teler.dll"));
    if (size == 0)
        return 0;
    const size_t section = data[0] % sections.size();
    const size_t key = (data[0] / sections.size()) % keys.size();
    const QByteArray rest = fuzzBytes(data + 1, size - 1);
    const qsizetype nul = rest.indexOf('\0');
    const QString value = fromGbk(nul < 0 ? rest : rest.left(nul));
    const QByteArray file = nul < 0 ? QByteArray() : rest.mid(nul + 1);

    QFile out(path);
    FUZZ_CHECK(out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(file) == file.size(), path);
    out.close();

    const IniFile ini(path);
    const Values before = readAll(ini);
    FUZZ_CHECK(ini.writeString(sections[section], keys[key], value), path);
    const Values after = readAll(ini);
    for (size_t s = 0; s < sections.size(); ++s) {
        for (size_t k = 0; k < keys.size(); ++k) {
            if (s == section && k == key)
                FUZZ_CHECK(readsBackAs(after[s][k], value), after[s][k].left(60) + QStringLiteral(" | ") + value.left(60));
            else
                FUZZ_CHECK(after[s][k] == before[s][k], sections[s] + QLatin1Char('/') + keys[k] + QStringLiteral(": ")
                                                           + before[s][k].left(60) + QStringLiteral(" -> ")
                                                           + after[s][k].left(60));
        }
    }
    return 0;
}
