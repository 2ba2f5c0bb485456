#include "dream/Pinyin.h"

namespace Pinyin {

QString toneless(QStringView syllable)
{
    const QString decomposed = syllable.toString().normalized(QString::NormalizationForm_D);
    QString result;
    result.reserve(decomposed.size());
    for (qsizetype i = 0; i < decomposed.size(); ++i) {
        const QChar c = decomposed.at(i);
        if (c.category() == QChar::Mark_NonSpacing) {
            // u with a diaeresis is its own vowel.
            if (c.unicode() == 0x0308 && !result.isEmpty() && result.back() == QLatin1Char('u'))
                result.back() = QLatin1Char('v');
            continue;
        }
        result += c.toLower();
    }
    return result;
}

QString queryLetters(QStringView text)
{
    const QString folded = toneless(text);
    QString letters;
    letters.reserve(folded.size());
    for (const QChar c : folded) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            letters += c;
        else if (c == QLatin1Char(' ') || c == QLatin1Char('\'') || (c >= QLatin1Char('1') && c <= QLatin1Char('5')))
            continue;
        else
            return {};
    }
    return letters;
}

QString key(const QList<Syllables> &characters)
{
    QStringList tokens;
    tokens.reserve(characters.size());
    for (const Syllables &c : characters) {
        if (c.common.isEmpty() && c.rare.isEmpty()) {
            tokens << QStringLiteral("-");
            continue;
        }
        QString token = c.common.join(QLatin1Char('/'));
        if (!c.rare.isEmpty())
            token += QLatin1Char('|') + c.rare.join(QLatin1Char('/'));
        tokens << token;
    }
    return tokens.join(QLatin1Char(' '));
}

} // namespace Pinyin
