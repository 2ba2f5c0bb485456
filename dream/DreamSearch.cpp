#include "dream/DreamSearch.h"

#include "data/uShare.h"
#include "dream/Pinyin.h"

#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>

#include <sqlite3.h>
#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

struct DreamSearch::Entry
{
    QString title;
    QString key;
    int category = -1;
    int aliases = 0;
    int family = 0; // other titles that contain this one: a subject many entries build on
};

struct DreamSearch::Term
{
    QString text;
    QString key;
    int entry = -1;
    bool alias = false;
    int nextSameKey = -1;
    quint32 pinyinFirst = 0; // in m_pinyinChars
    quint16 pinyinCount = 0;
};

// The readings of one character: common ones, then rare ones, in m_readings.
struct DreamSearch::PinyinChar
{
    quint32 first = 0;
    quint16 common = 0;
    quint16 rare = 0;
};

struct DreamSearch::Candidate
{
    int entry = -1;
    Match match = Match::FullText;
    std::array<int, 4> rank{}; // within the match kind, smaller first
    QString term;
    QStringList words;
};

namespace {

// Time words and the like that hold a title's character without meaning it
// (天 in 昨天), and 自己, which in a told dream is the dreamer, not the subject;
// a description is segmented with them so they absorb what they hold.
const QStringList narrativeStopWords = {
    QStringLiteral("自己"), QStringLiteral("我自己"),
    QStringLiteral("今天"), QStringLiteral("昨天"), QStringLiteral("前天"), QStringLiteral("明天"),
    QStringLiteral("后天"), QStringLiteral("每天"), QStringLiteral("天天"), QStringLiteral("白天"),
    QStringLiteral("当天"), QStringLiteral("那天"), QStringLiteral("一天"), QStringLiteral("几天"),
    QStringLiteral("半天"), QStringLiteral("聊天"), QStringLiteral("里头"), QStringLiteral("外头"),
    QStringLiteral("前头"), QStringLiteral("后头"), QStringLiteral("上头"), QStringLiteral("一下"),
};

// What people say before the dream itself: who and when, then the dream verb.
const QStringList leadWords = {
    QStringLiteral("昨天晚上"), QStringLiteral("前天晚上"), QStringLiteral("今天早上"), QStringLiteral("的时候"),
    QStringLiteral("这几天"), QStringLiteral("有一次"), QStringLiteral("好几次"), QStringLiteral("睡觉时"),
    QStringLiteral("今天"), QStringLiteral("昨天"), QStringLiteral("前天"), QStringLiteral("昨晚"),
    QStringLiteral("今晚"), QStringLiteral("前晚"), QStringLiteral("昨夜"), QStringLiteral("前夜"),
    QStringLiteral("今早"), QStringLiteral("夜里"), QStringLiteral("晚上"), QStringLiteral("半夜"),
    QStringLiteral("凌晨"), QStringLiteral("早上"), QStringLiteral("早晨"), QStringLiteral("中午"),
    QStringLiteral("下午"), QStringLiteral("上午"), QStringLiteral("白天"), QStringLiteral("午睡"),
    QStringLiteral("刚才"), QStringLiteral("刚刚"), QStringLiteral("最近"), QStringLiteral("那天"),
    QStringLiteral("我们"), QStringLiteral("睡觉"), QStringLiteral("睡着"), QStringLiteral("时候"),
    QStringLiteral("总是"), QStringLiteral("老是"), QStringLiteral("经常"), QStringLiteral("常常"),
    QStringLiteral("一直"), QStringLiteral("反复"), QStringLiteral("连续"), QStringLiteral("几次"),
    QStringLiteral("多次"), QStringLiteral("竟然"), QStringLiteral("居然"), QStringLiteral("突然"),
    QStringLiteral("我"), QStringLiteral("俺"), QStringLiteral("时"), QStringLiteral("的"),
    QStringLiteral("又"), QStringLiteral("还"), QStringLiteral("都"), QStringLiteral("了"),
    QStringLiteral("总"), QStringLiteral("在"),
};
// Longest first, so that 梦见 is not taken for 梦.
const QStringList dreamVerbs = {
    QStringLiteral("做了一个梦"), QStringLiteral("做了个梦"), QStringLiteral("做了梦"), QStringLiteral("做梦"),
    QStringLiteral("梦见"), QStringLiteral("梦到"), QStringLiteral("梦着"), QStringLiteral("梦里"),
    QStringLiteral("梦中"), QStringLiteral("梦"),
};
const QStringList afterVerbWords = {
    QStringLiteral("了"), QStringLiteral("见"), QStringLiteral("到"), QStringLiteral("有"),
    QStringLiteral("是"), QStringLiteral("过"),
};
const QString countingNumbers = QStringLiteral("一两几");
const QString countingWords = QStringLiteral("个只条位头匹群把块张件辆座棵朵堆些片双对根颗粒本封");
const QString trailingParticles = QStringLiteral("了的啊呢吧呀哦嘛啦");
const QStringList pinyinDreamVerbs = {
    QStringLiteral("mengjian"), QStringLiteral("mengdao"), QStringLiteral("zuomeng"),
};

constexpr int snippetLength = 40;
constexpr int snippetLead = 10;
constexpr qsizetype longestPinyinQuery = 64;
constexpr int notFound = std::numeric_limits<int>::max();

std::u16string_view u16(QStringView text)
{
    return {text.utf16(), size_t(text.size())};
}

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

// Punctuation, symbols and emoji, which never carry a dream's subject at its edges.
bool isEdgeNoise(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Punctuation_Connector:
    case QChar::Punctuation_Dash:
    case QChar::Punctuation_Open:
    case QChar::Punctuation_Close:
    case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote:
    case QChar::Punctuation_Other:
    case QChar::Symbol_Math:
    case QChar::Symbol_Currency:
    case QChar::Symbol_Modifier:
    case QChar::Symbol_Other:
    case QChar::Separator_Space:
        return true;
    default:
        return false;
    }
}

// Blanks for control and format characters, half-width for full-width forms,
// lower case, single blanks.
QString tidy(QStringView text)
{
    QString result;
    result.reserve(text.size());
    bool blank = true; // drops leading blanks
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1].unicode())) {
            result += text[i];
            result += text[i + 1];
            ++i;
            blank = false;
            continue;
        }
        if (isHighSurrogate(c) || isLowSurrogate(c))
            continue; // half a pair means nothing
        if (c == 0x3000)
            c = u' ';
        else if (c >= 0xFF01 && c <= 0xFF5E)
            c = char16_t(c - 0xFEE0);
        const QChar::Category category = QChar::category(char32_t(c));
        if (category == QChar::Other_Control || category == QChar::Other_Format || QChar::isSpace(char32_t(c))) {
            if (!blank)
                result += QLatin1Char(' ');
            blank = true;
            continue;
        }
        result += QChar(c).toLower();
        blank = false;
    }
    if (result.endsWith(QLatin1Char(' ')))
        result.chop(1);
    return result;
}

// The last code point of a text and its length in UTF-16 units.
std::pair<char32_t, int> lastCodePoint(const QString &text)
{
    const qsizetype n = text.size();
    if (n >= 2 && text.at(n - 1).isLowSurrogate() && text.at(n - 2).isHighSurrogate())
        return {QChar::surrogateToUcs4(text.at(n - 2), text.at(n - 1)), 2};
    return {text.at(n - 1).unicode(), 1};
}

std::pair<char32_t, int> firstCodePoint(const QString &text)
{
    if (text.size() >= 2 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate())
        return {QChar::surrogateToUcs4(text.at(0), text.at(1)), 2};
    return {text.at(0).unicode(), 1};
}

// Drops punctuation at both ends and particles at the end; a text that would
// be left empty by the particles keeps them.
QString trimEdges(QString text)
{
    while (!text.isEmpty() && isEdgeNoise(firstCodePoint(text).first))
        text.remove(0, firstCodePoint(text).second);
    for (;;) {
        if (text.isEmpty())
            return text;
        const auto [last, units] = lastCodePoint(text);
        if (isEdgeNoise(last))
            text.chop(units);
        else if (text.size() > 1 && last < 0x10000 && trailingParticles.contains(QChar(char16_t(last))))
            text.chop(1);
        else
            return text;
    }
}

// Keys of terms and titles: the database's text is simplified Chinese already.
QString foldTerm(const QString &term)
{
    return trimEdges(tidy(term));
}

bool isAscii(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

std::unique_ptr<icu::Transliterator> createSimplifier()
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> result(
        icu::Transliterator::createInstance("Traditional-Simplified", UTRANS_FORWARD, status));
    if (U_FAILURE(status))
        return nullptr;
    return result;
}

QString simplified(const QString &text)
{
    if (isAscii(text))
        return text;
    static const std::unique_ptr<icu::Transliterator> prototype = createSimplifier();
    if (!prototype)
        return text;
    // A transliterator is not to be shared between threads; each gets its own.
    thread_local const std::unique_ptr<icu::Transliterator> simplifier(prototype->clone());
    icu::UnicodeString buffer(reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()));
    simplifier->transliterate(buffer);
    return QString(reinterpret_cast<const QChar *>(buffer.getBuffer()), buffer.length());
}

// The longest word of the list that the text has at a position.
qsizetype wordAt(const QString &text, qsizetype position, const QStringList &words)
{
    qsizetype longest = 0;
    for (const QString &word : words) {
        if (word.size() > longest && QStringView(text).mid(position).startsWith(word))
            longest = word.size();
    }
    return longest;
}

qsizetype skipBlanksAndPunctuation(const QString &text, qsizetype position)
{
    while (position < text.size()) {
        const QChar c = text.at(position);
        if (c.isSpace() || c.isPunct())
            ++position;
        else
            break;
    }
    return position;
}

// "昨晚我梦见了", "做了个梦，梦到": where the dream itself begins, or 0.
qsizetype afterDreamPhrase(const QString &text)
{
    qsizetype dreamStart = 0;
    qsizetype position = 0;
    for (;;) {
        qsizetype p = position;
        while (qsizetype lead = wordAt(text, p, leadWords))
            p = skipBlanksAndPunctuation(text, p + lead);
        const qsizetype verb = wordAt(text, p, dreamVerbs);
        if (verb == 0)
            return dreamStart;
        p += verb;
        while (qsizetype after = wordAt(text, p, afterVerbWords))
            p += after;
        position = dreamStart = skipBlanksAndPunctuation(text, p);
    }
}

// "一条白蛇" -> "白蛇"
qsizetype afterCounting(const QString &text)
{
    if (text.size() > 2 && countingNumbers.contains(text.at(0)) && countingWords.contains(text.at(1)))
        return 2;
    return 0;
}

QString cutQuery(const QString &text)
{
    if (text.size() <= DreamSearch::maxQueryLength)
        return text;
    qsizetype n = DreamSearch::maxQueryLength;
    if (text.at(n - 1).isHighSurrogate())
        --n;
    return text.left(n);
}

QString readColumn(sqlite3_stmt *stmt, int column)
{
    const auto *text = static_cast<const char *>(sqlite3_column_blob(stmt, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt, column));
}

struct DatabaseCloser
{
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};

// Runs a reading statement and hands every row to a function; false when
// the statement cannot be run.
template <class RowFunction>
bool readRows(sqlite3 *db, const char *sql, RowFunction onRow)
{
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        return false;
    int step;
    while ((step = sqlite3_step(stmt)) == SQLITE_ROW)
        onRow(stmt);
    sqlite3_finalize(stmt);
    return step == SQLITE_DONE;
}

bool tableExists(sqlite3 *db, const char *name)
{
    bool found = false;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, "select 1 from sqlite_master where name = ?", -1, &stmt, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(stmt, 1, name, -1, SQLITE_STATIC);
        found = sqlite3_step(stmt) == SQLITE_ROW;
    }
    sqlite3_finalize(stmt);
    return found;
}

// Where the next text of a NUL-separated list starts, from a position inside it.
qsizetype indexOfPosition(const std::vector<qsizetype> &starts, qsizetype position)
{
    return qsizetype(std::upper_bound(starts.begin(), starts.end(), position) - starts.begin()) - 1;
}

// The spelling of a reading's initial: one letter, or zh, ch, sh.
QStringView initialOf(const QString &reading)
{
    if (reading.size() > 2 && reading.at(1) == QLatin1Char('h')
        && (reading.at(0) == QLatin1Char('z') || reading.at(0) == QLatin1Char('c') || reading.at(0) == QLatin1Char('s')))
        return QStringView(reading).left(2);
    return QStringView(reading).left(1);
}

enum PinyinMode { FullPinyin, InitialsOnly, MixedPinyin };

} // namespace

struct DreamSearch::PinyinMatch
{
    bool found = false;
    bool whole = false;   // to the term's last character
    bool partial = false; // the query ends inside a syllable: still being typed
    int rare = 0;         // readings only the historical dictionary knows
};

DreamSearch::DreamSearch() = default;
DreamSearch::~DreamSearch() = default;
DreamSearch &DreamSearch::operator=(DreamSearch &&) noexcept = default;

QString DreamSearch::matchName(Match match)
{
    switch (match) {
    case Match::Exact: return QStringLiteral("exact");
    case Match::Alias: return QStringLiteral("alias");
    case Match::Title: return QStringLiteral("title");
    case Match::Narrative: return QStringLiteral("narrative");
    case Match::Pinyin: return QStringLiteral("pinyin");
    case Match::Initials: return QStringLiteral("initials");
    case Match::FullText: return QStringLiteral("fulltext");
    }
    return {};
}

QString DreamSearch::matchCaption(Match match)
{
    switch (match) {
    case Match::Exact: return QStringLiteral("标题相同");
    case Match::Alias: return QStringLiteral("别名");
    case Match::Title: return QStringLiteral("标题包含");
    case Match::Narrative: return QStringLiteral("梦境描述");
    case Match::Pinyin: return QStringLiteral("拼音");
    case Match::Initials: return QStringLiteral("拼音首字母");
    case Match::FullText: return QStringLiteral("解析正文");
    }
    return {};
}

QString DreamSearch::foldQuery(const QString &text)
{
    return trimEdges(simplified(tidy(cutQuery(text))));
}

QString DreamSearch::normalizeQuery(const QString &text)
{
    QString query = foldQuery(text);
    query = trimEdges(query.mid(afterDreamPhrase(query)));
    // Trimmed again: what followed the counting word may have been a blank.
    return trimEdges(query.mid(afterCounting(query)));
}

bool DreamSearch::load(const QString &databasePath, QString *error)
{
    *this = DreamSearch();
    m_databasePath = databasePath;
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (!QFileInfo(databasePath).isFile())
        return fail(QStringLiteral("%1: no such file").arg(databasePath));
    sqlite3 *rawDb = nullptr;
    const int opened = sqlite3_open_v2(QFileInfo(databasePath).absoluteFilePath().toUtf8().constData(), &rawDb,
                                       SQLITE_OPEN_READONLY, nullptr);
    const std::unique_ptr<sqlite3, DatabaseCloser> db(rawDb);
    if (opened != SQLITE_OK)
        return fail(QStringLiteral("%1: cannot be opened").arg(databasePath));
    sqlite3_busy_timeout(db.get(), 0);

    QHash<QString, int> categoryByCode;
    const bool categoriesRead = readRows(db.get(), "select ZMID, ZMCLASS from Tclass order by ZMID asc",
                                         [&](sqlite3_stmt *stmt) {
                                             categoryByCode.insert(trimText(readColumn(stmt, 0)), int(m_categories.size()));
                                             m_categories << trimText(readColumn(stmt, 1));
                                         });
    const bool entriesRead = categoriesRead
                             && readRows(db.get(), "select TITLE, CONENT, CLASEID from JMTable", [&](sqlite3_stmt *stmt) {
                                    Entry entry;
                                    entry.title = trimText(readColumn(stmt, 0));
                                    entry.key = foldTerm(entry.title);
                                    if (entry.key.isEmpty() || m_entryByTitle.contains(entry.key))
                                        return;
                                    entry.category = categoryByCode.value(trimText(readColumn(stmt, 2)), -1);
                                    m_entryByTitle.insert(entry.key, int(m_entries.size()));
                                    m_entries.push_back(std::move(entry));
                                    m_textStarts.push_back(m_texts.size());
                                    m_texts += DecodeContent(trimText(readColumn(stmt, 1)), contentKey, contentRounds);
                                    m_texts += QChar(0);
                                });
    if (!entriesRead)
        return fail(QStringLiteral("%1: not a dream database").arg(databasePath));
    m_textStarts.push_back(m_texts.size());
    m_texts.squeeze();

    for (int e = 0; e < int(m_entries.size()); ++e)
        m_terms.push_back({m_entries[size_t(e)].title, m_entries[size_t(e)].key, e, false});
    // Databases built before aliases and pinyin keys existed still search by title and text.
    if (tableExists(db.get(), "JMAlias")) {
        readRows(db.get(), "select ALIAS, TITLE from JMAlias", [&](sqlite3_stmt *stmt) {
            const QString alias = trimText(readColumn(stmt, 0));
            const int entry = m_entryByTitle.value(foldTerm(trimText(readColumn(stmt, 1))), -1);
            if (entry < 0 || foldTerm(alias).isEmpty())
                return;
            m_terms.push_back({alias, foldTerm(alias), entry, true});
            ++m_entries[size_t(entry)].aliases;
        });
    }
    if (tableExists(db.get(), "JMPinyin")) {
        QHash<QString, int> termByText;
        for (int t = 0; t < int(m_terms.size()); ++t)
            termByText.insert(m_terms[size_t(t)].text, t);
        std::unordered_map<std::u16string_view, quint16> syllableNumbers;
        readRows(db.get(), "select TERM, SYLLABLES from JMPinyin", [&](sqlite3_stmt *stmt) {
            const int t = termByText.value(trimText(readColumn(stmt, 0)), -1);
            if (t >= 0 && m_terms[size_t(t)].pinyinCount == 0)
                addPinyin(m_terms[size_t(t)], readColumn(stmt, 1), syllableNumbers);
        });
    }
    finishIndex();
    m_loaded = true;
    return true;
}

// "bai|bo she/yi|tuo/chi" (see Pinyin::key) into numbered syllables.
void DreamSearch::addPinyin(Term &term, QStringView key,
                            std::unordered_map<std::u16string_view, quint16> &syllableNumbers)
{
    term.pinyinFirst = quint32(m_pinyinChars.size());
    auto number = [&](QStringView syllable) {
        const std::u16string_view view = u16(syllable);
        if (const auto found = syllableNumbers.find(view); found != syllableNumbers.end())
            return found->second;
        m_syllables << syllable.toString();
        const auto added = quint16(m_syllables.size() - 1);
        // The list's strings keep their characters where they are.
        syllableNumbers.emplace(u16(m_syllables.constLast()), added);
        return added;
    };
    for (const QStringView token : key.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        PinyinChar c;
        c.first = quint32(m_readings.size());
        if (token != QLatin1String("-")) {
            const qsizetype bar = token.indexOf(QLatin1Char('|'));
            for (const QStringView s : (bar < 0 ? token : token.left(bar)).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
                m_readings.push_back(number(s));
                ++c.common;
            }
            if (bar >= 0) {
                for (const QStringView s : token.mid(bar + 1).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
                    m_readings.push_back(number(s));
                    ++c.rare;
                }
            }
        }
        m_pinyinChars.push_back(c);
        ++term.pinyinCount;
    }
}

int DreamSearch::firstTermWithKey(QStringView key) const
{
    const auto found = m_termByKey.find(u16(key));
    return found == m_termByKey.end() ? -1 : found->second;
}

void DreamSearch::finishIndex()
{
    for (int t = int(m_terms.size()) - 1; t >= 0; --t) {
        Term &term = m_terms[size_t(t)];
        const auto [slot, added] = m_termByKey.try_emplace(u16(term.key), t);
        if (!added) {
            term.nextSameKey = slot->second;
            slot->second = t;
        }
        m_longestTerm = std::max(m_longestTerm, term.key.size());
    }
    for (const Entry &entry : m_entries) {
        m_titleStarts.push_back(m_titles.size());
        m_titles += entry.key;
        m_titles += QChar(0);
        QSet<char32_t> seen;
        for (const char32_t c : entry.key.toUcs4()) {
            if (!seen.contains(c)) {
                seen.insert(c);
                ++m_titleCharCounts[c];
            }
        }
    }
    m_titleStarts.push_back(m_titles.size());
    QList<uint> chars;
    for (int e = 0; e < int(m_entries.size()); ++e) {
        chars = textView(e).toUcs4();
        std::sort(chars.begin(), chars.end());
        chars.erase(std::unique(chars.begin(), chars.end()), chars.end());
        for (const uint c : std::as_const(chars))
            m_entriesWithCharacter[char32_t(c)].push_back(e);
    }
    // A subject that other titles build on (蛇 in 白蛇, 被蛇咬) is a common one:
    // every shorter title inside a title counts once.
    QSet<int> inside;
    for (int e = 0; e < int(m_entries.size()); ++e) {
        const QString &key = m_entries[size_t(e)].key;
        inside.clear();
        for (qsizetype start = 0; start < key.size(); ++start) {
            for (qsizetype length = 1; start + length <= key.size() && length < key.size(); ++length) {
                for (int t = firstTermWithKey(QStringView(key).mid(start, length)); t >= 0; t = m_terms[size_t(t)].nextSameKey) {
                    if (!m_terms[size_t(t)].alias)
                        inside.insert(m_terms[size_t(t)].entry);
                }
            }
        }
        for (const int other : std::as_const(inside))
            ++m_entries[size_t(other)].family;
    }
    m_pinyinStarts.assign(26, {});
    for (int t = 0; t < int(m_terms.size()); ++t) {
        const Term &term = m_terms[size_t(t)];
        for (int i = 0; i < term.pinyinCount; ++i) {
            const PinyinChar &c = m_pinyinChars[term.pinyinFirst + quint32(i)];
            std::array<bool, 26> letters{};
            for (quint32 r = c.first; r < c.first + c.common + c.rare; ++r) {
                const QString &reading = m_syllables.at(m_readings[r]);
                const char16_t first = reading.isEmpty() ? 0 : reading.at(0).unicode();
                if (first >= u'a' && first <= u'z')
                    letters[size_t(first - u'a')] = true;
            }
            for (size_t l = 0; l < letters.size(); ++l) {
                if (letters[l])
                    m_pinyinStarts[l].emplace_back(t, i);
            }
        }
    }
}

std::shared_ptr<const DreamSearch> DreamSearch::shared()
{
    static QMutex mutex;
    static std::shared_ptr<const DreamSearch> index;
    const QString path = dataSourceOf(GetConnStr());
    QMutexLocker lock(&mutex);
    if (!index || index->databasePath() != path) {
        auto fresh = std::make_shared<DreamSearch>();
        fresh->load(path);
        index = std::move(fresh);
    }
    return index;
}

int DreamSearch::entryOf(const QString &title) const
{
    return m_entryByTitle.value(foldTerm(trimText(title)), -1);
}

bool DreamSearch::contains(const QString &title) const
{
    return entryOf(title) >= 0;
}

QString DreamSearch::categoryOf(const QString &title) const
{
    const int entry = entryOf(title);
    return entry < 0 ? QString() : m_categories.value(m_entries[size_t(entry)].category);
}

QStringView DreamSearch::textView(int entry) const
{
    const qsizetype start = m_textStarts[size_t(entry)];
    return QStringView(m_texts).mid(start, m_textStarts[size_t(entry) + 1] - start - 1);
}

QString DreamSearch::textOf(int entry) const
{
    return textView(entry).toString();
}

QString DreamSearch::textOf(const QString &title) const
{
    const int entry = entryOf(title);
    return entry < 0 ? QString() : textOf(entry);
}

QStringList DreamSearch::titlesOfCategory(const QString &category) const
{
    const int index = int(m_categories.indexOf(trimText(category)));
    QStringList titles;
    if (index < 0)
        return titles;
    for (const Entry &entry : m_entries) {
        if (entry.category == index)
            titles << entry.title;
    }
    return titles;
}

void DreamSearch::offer(QHash<int, Candidate> &found, Candidate candidate)
{
    const auto existing = found.find(candidate.entry);
    if (existing == found.end()) {
        found.insert(candidate.entry, std::move(candidate));
        return;
    }
    if (std::tie(candidate.match, candidate.rank) < std::tie(existing->match, existing->rank))
        *existing = std::move(candidate);
}

bool DreamSearch::rankedBefore(const Candidate &a, const Candidate &b) const
{
    const Entry &x = m_entries[size_t(a.entry)];
    const Entry &y = m_entries[size_t(b.entry)];
    // Commonness: the more names people have for a subject and the more entries
    // build on it, the more likely it is meant; then the shorter subject.
    return std::make_tuple(a.match, a.rank, -x.aliases, x.title.size(), -x.family, a.entry)
           < std::make_tuple(b.match, b.rank, -y.aliases, y.title.size(), -y.family, b.entry);
}

void DreamSearch::matchExact(const QString &query, QHash<int, Candidate> &found) const
{
    for (int t = firstTermWithKey(query); t >= 0; t = m_terms[size_t(t)].nextSameKey) {
        const Term &term = m_terms[size_t(t)];
        const QString &title = m_entries[size_t(term.entry)].title;
        offer(found, {term.entry, term.alias ? Match::Alias : Match::Exact, {}, term.text,
                      term.alias ? QStringList{term.text, title} : QStringList{title}});
    }
}

void DreamSearch::matchTitles(const QString &subject, QHash<int, Candidate> &found) const
{
    for (qsizetype at = m_titles.indexOf(subject); at >= 0; at = m_titles.indexOf(subject, at + 1)) {
        const qsizetype entry = indexOfPosition(m_titleStarts, at);
        offer(found, {int(entry), Match::Title, {0, int(m_entries[size_t(entry)].key.size()), 0, 0},
                      m_entries[size_t(entry)].title, {subject}});
        at = m_titleStarts[size_t(entry) + 1] - 1;
    }
    for (const Term &term : m_terms) {
        if (term.alias && term.key.contains(subject))
            offer(found, {term.entry, Match::Title, {1, int(term.key.size()), 0, 0}, term.text, {subject}});
    }
}

void DreamSearch::matchNarrative(const QString &subject, QHash<int, Candidate> &found) const
{
    struct Piece
    {
        qsizetype start;
        qsizetype length;
        int firstTerm; // -1 for a stop word
        bool covered = false;
    };
    std::vector<Piece> pieces;
    const qsizetype n = subject.size();
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype length = std::min(m_longestTerm, n - i); length >= 1; --length) {
            const QStringView word = QStringView(subject).mid(i, length);
            if (length > 1 && narrativeStopWords.contains(word))
                pieces.push_back({i, length, -1});
            else if (const int first = firstTermWithKey(word); first >= 0)
                pieces.push_back({i, length, first});
        }
    }
    // A piece inside a longer one is read as part of it: its own entry ranks lower.
    for (Piece &piece : pieces) {
        for (const Piece &other : pieces) {
            if (other.length > piece.length && other.start <= piece.start
                && other.start + other.length >= piece.start + piece.length) {
                piece.covered = true;
                break;
            }
        }
    }
    QStringList words;
    for (const Piece &piece : pieces) {
        if (piece.firstTerm >= 0 && !piece.covered)
            words << subject.mid(piece.start, piece.length);
    }
    words.removeDuplicates();
    for (const Piece &piece : pieces) {
        if (piece.firstTerm < 0)
            continue;
        const QString word = subject.mid(piece.start, piece.length);
        for (int t = piece.firstTerm; t >= 0; t = m_terms[size_t(t)].nextSameKey) {
            const Term &term = m_terms[size_t(t)];
            QStringList highlight{word};
            for (const QString &other : std::as_const(words)) {
                if (other != word)
                    highlight << other;
            }
            if (term.alias)
                highlight << m_entries[size_t(term.entry)].title;
            offer(found, {term.entry, Match::Narrative,
                          {piece.covered ? 1 : 0, -int(piece.length), term.alias ? 1 : 0, int(piece.start)},
                          term.text, highlight});
        }
    }
}

// Whether the letters spell the term's characters from one of them on, each by
// its whole reading, its initial, or (last) the start of its reading. Mixed
// spellings need one whole syllable: initials alone are the InitialsOnly mode.
DreamSearch::PinyinMatch DreamSearch::matchSyllables(const Term &term, int start, QStringView letters, int mode,
                                                     std::vector<int> &scratch) const
{
    const PinyinChar *chars = m_pinyinChars.data() + term.pinyinFirst;
    const int m = term.pinyinCount;
    const int n = int(letters.size());
    const int width = n + 1;
    // cell(i, j, whole): least rare readings to spell characters start..i-1 with
    // the first j letters, whole telling whether a whole syllable was used.
    scratch.assign(size_t(m + 1 - start) * size_t(width) * 2, notFound);
    auto cell = [&](int i, int j, int whole) -> int & {
        return scratch[(size_t(i - start) * size_t(width) + size_t(j)) * 2 + size_t(whole)];
    };
    auto relax = [&](int i, int j, int whole, int cost) { cell(i, j, whole) = std::min(cell(i, j, whole), cost); };
    cell(start, 0, 0) = 0;
    PinyinMatch best;
    int bestScore = notFound;
    auto finish = [&](int i, int cost, bool partial, int whole) {
        if (mode == MixedPinyin && !whole)
            return;
        const bool toEnd = i == m;
        const int score = (toEnd ? 0 : 1000) + cost * 10 + (partial ? 1 : 0);
        if (score < bestScore) {
            bestScore = score;
            best = {true, toEnd, partial, cost};
        }
    };
    for (int i = start; i < m; ++i) {
        const PinyinChar &c = chars[i];
        for (int j = 0; j < n; ++j) {
            for (int whole = 0; whole < 2; ++whole) {
                const int cost = cell(i, j, whole);
                if (cost == notFound)
                    continue;
                if (c.common + c.rare == 0) {
                    relax(i + 1, j, whole, cost);
                    continue;
                }
                const QStringView rest = letters.mid(j);
                for (quint32 r = c.first; r < c.first + c.common + c.rare; ++r) {
                    const QString &reading = m_syllables.at(m_readings[r]);
                    const bool rare = r >= c.first + c.common;
                    const int next = cost + (rare ? 1 : 0);
                    if (mode != InitialsOnly) {
                        if (rest.startsWith(reading))
                            relax(i + 1, j + int(reading.size()), 1, next);
                        else if (rest.size() >= 2 && reading.size() > rest.size() && QStringView(reading).startsWith(rest))
                            finish(i + 1, next, true, 1); // a single letter is an initial, below
                    }
                    // Initials through readings nobody uses any more would match almost anything.
                    if (mode == FullPinyin || rare)
                        continue;
                    const QStringView initial = initialOf(reading);
                    for (qsizetype len = 1; len <= initial.size(); ++len) {
                        if (len < reading.size() && rest.startsWith(initial.left(len)))
                            relax(i + 1, j + int(len), whole, next);
                    }
                }
            }
        }
    }
    for (int i = start + 1; i <= m; ++i) {
        for (int whole = 0; whole < 2; ++whole) {
            if (cell(i, n, whole) != notFound)
                finish(i, cell(i, n, whole), false, whole);
        }
    }
    return best;
}

void DreamSearch::matchPinyin(const QString &letters, QHash<int, Candidate> &found) const
{
    if (letters.isEmpty() || letters.size() > longestPinyinQuery)
        return;
    std::vector<int> scratch;
    for (const auto &termStart : m_pinyinStarts[size_t(letters.at(0).unicode() - u'a')]) {
        // A plain copy: clang 14 cannot capture a structured binding in the lambda below.
        const int start = termStart.second;
        const Term &term = m_terms[size_t(termStart.first)];
        // Inside a term only whole syllables count: single letters there match too much.
        if (start > 0 && letters.size() < 2)
            continue;
        auto coverage = [start](const PinyinMatch &match) { return start > 0 ? 2 : (match.whole ? 0 : 1); };
        auto words = [&] {
            return term.alias ? QStringList{term.text, m_entries[size_t(term.entry)].title} : QStringList{term.text};
        };
        const PinyinMatch full = matchSyllables(term, start, letters, FullPinyin, scratch);
        if (full.found) {
            offer(found, {term.entry, Match::Pinyin, {0, full.partial ? 1 : 0, coverage(full), full.rare}, term.text, words()});
            continue;
        }
        if (start > 0)
            continue;
        const PinyinMatch initials = matchSyllables(term, start, letters, InitialsOnly, scratch);
        if (initials.found && (initials.whole || letters.size() >= 2)) {
            offer(found, {term.entry, Match::Initials, {0, coverage(initials), initials.rare, 0}, term.text, words()});
            continue;
        }
        const PinyinMatch mixed = matchSyllables(term, start, letters, MixedPinyin, scratch);
        if (mixed.found)
            offer(found, {term.entry, Match::Pinyin, {1, mixed.partial ? 1 : 0, coverage(mixed), mixed.rare}, term.text, words()});
    }
}

void DreamSearch::matchFullText(const QString &subject, QHash<int, Candidate> &found) const
{
    // Only the texts holding the subject's rarest character can hold the subject.
    const std::vector<int> *candidates = nullptr;
    for (const char32_t c : subject.toUcs4()) {
        const auto entries = m_entriesWithCharacter.constFind(c);
        if (entries == m_entriesWithCharacter.cend())
            return;
        if (!candidates || entries->size() < candidates->size())
            candidates = &entries.value();
    }
    if (!candidates)
        return;
    constexpr int enough = 3; // past a few mentions the count says no more
    for (const int entry : *candidates) {
        const QStringView text = textView(entry);
        int count = 0;
        for (qsizetype at = text.indexOf(subject); at >= 0 && count < enough; at = text.indexOf(subject, at + subject.size()))
            ++count;
        if (count > 0)
            offer(found, {entry, Match::FullText, {-count, 0, 0, 0}, subject, {subject}});
    }
}

DreamSearch::Hit DreamSearch::hitOf(const Candidate &candidate) const
{
    const Entry &entry = m_entries[size_t(candidate.entry)];
    Hit hit;
    hit.title = entry.title;
    hit.category = m_categories.value(entry.category);
    hit.match = candidate.match;
    hit.matchedTerm = candidate.term;
    hit.words = candidate.words;

    const QStringView text = textView(candidate.entry);
    qsizetype first = -1;
    for (const QString &word : std::as_const(hit.words)) {
        const qsizetype at = word.isEmpty() ? -1 : text.indexOf(word, 0, Qt::CaseInsensitive);
        if (at >= 0 && (first < 0 || at < first))
            first = at;
    }
    qsizetype start = first < 0 ? 0 : std::max<qsizetype>(0, first - snippetLead);
    if (start > 0 && text.at(start).isLowSurrogate())
        --start;
    qsizetype end = std::min(text.size(), start + snippetLength);
    if (end < text.size() && text.at(end).isLowSurrogate())
        ++end;
    QString snippet = start > 0 ? QStringLiteral("…") : QString();
    for (qsizetype i = start; i < end; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (!snippet.endsWith(QLatin1Char(' ')) && !snippet.isEmpty())
                snippet += QLatin1Char(' ');
        } else {
            snippet += c;
        }
    }
    if (end < text.size())
        snippet += QStringLiteral("…");
    hit.snippet = snippet;
    for (const QString &word : std::as_const(hit.words)) {
        if (word.isEmpty())
            continue;
        for (qsizetype at = snippet.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
             at = snippet.indexOf(word, at + word.size(), Qt::CaseInsensitive)) {
            const Span span{at, word.size()};
            const bool overlaps = std::any_of(hit.spans.cbegin(), hit.spans.cend(), [&](const Span &s) {
                return s.start < span.start + span.length && span.start < s.start + s.length;
            });
            if (!overlaps)
                hit.spans << span;
        }
    }
    std::sort(hit.spans.begin(), hit.spans.end(), [](const Span &a, const Span &b) { return a.start < b.start; });
    return hit;
}

QList<DreamSearch::Hit> DreamSearch::search(const QString &text, int limit) const
{
    QList<Hit> hits;
    if (!m_loaded || limit <= 0)
        return hits;
    const QString folded = foldQuery(text);
    const QString subject = normalizeQuery(text);
    QHash<int, Candidate> found;
    if (!folded.isEmpty())
        matchExact(folded, found);
    if (!subject.isEmpty()) {
        if (subject != folded)
            matchExact(subject, found);
        matchTitles(subject, found);
        matchNarrative(subject, found);
    }
    QString letters = Pinyin::queryLetters(folded);
    for (const QString &verb : pinyinDreamVerbs) {
        if (letters.startsWith(verb) && letters.size() > verb.size() + 1) {
            letters.remove(0, verb.size());
            break;
        }
    }
    matchPinyin(letters, found);
    // The texts rank last: with enough hits already they could add none.
    if (!subject.isEmpty() && found.size() < limit)
        matchFullText(subject, found);

    std::vector<Candidate> ranked;
    ranked.reserve(size_t(found.size()));
    for (auto it = found.begin(); it != found.end(); ++it)
        ranked.push_back(std::move(it.value()));
    const auto count = std::min<size_t>(size_t(limit), ranked.size());
    std::partial_sort(ranked.begin(), ranked.begin() + qsizetype(count), ranked.end(),
                      [this](const Candidate &a, const Candidate &b) { return rankedBefore(a, b); });
    for (size_t i = 0; i < count; ++i)
        hits << hitOf(ranked[i]);
    return hits;
}

double DreamSearch::characterWeight(char32_t c) const
{
    // Rare characters say more about a subject than common ones (子, 了).
    const int titles = m_titleCharCounts.value(c, 0);
    return std::log((double(m_entries.size()) + 1.0) / (double(titles) + 1.0)) + 0.1;
}

double DreamSearch::sharedWeight(const QSet<char32_t> &chars, const QString &key) const
{
    double weight = 0;
    QSet<char32_t> counted;
    for (const char32_t c : key.toUcs4()) {
        if (chars.contains(c) && !counted.contains(c)) {
            counted.insert(c);
            weight += characterWeight(c);
        }
    }
    return weight;
}

namespace {

QSet<char32_t> meaningfulCharacters(const QString &text)
{
    QSet<char32_t> chars;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isLetterOrNumber(c))
            chars.insert(c);
    }
    return chars;
}

QStringList bestTitles(std::vector<std::tuple<double, qsizetype, int, QString>> &scored, int limit)
{
    std::sort(scored.begin(), scored.end(), [](const auto &a, const auto &b) {
        return std::make_tuple(-std::get<0>(a), std::get<1>(a), std::get<2>(a))
               < std::make_tuple(-std::get<0>(b), std::get<1>(b), std::get<2>(b));
    });
    QStringList titles;
    for (const auto &item : scored) {
        if (titles.size() >= limit)
            break;
        titles << std::get<3>(item);
    }
    return titles;
}

} // namespace

QStringList DreamSearch::related(const QString &title, int limit) const
{
    const int self = entryOf(title);
    if (self < 0 || limit <= 0)
        return {};
    const Entry &entry = m_entries[size_t(self)];
    const QSet<char32_t> chars = meaningfulCharacters(entry.key);
    std::vector<std::tuple<double, qsizetype, int, QString>> scored;
    for (int e = 0; e < int(m_entries.size()); ++e) {
        const Entry &other = m_entries[size_t(e)];
        if (e == self)
            continue;
        const double shared = sharedWeight(chars, other.key);
        if (shared <= 0)
            continue;
        // The same subject family (蛇, 白蛇, 被蛇咬) first, then the same category.
        const bool family = other.key.contains(entry.key) || entry.key.contains(other.key);
        const double score = shared + (family ? 4.0 : 0.0) + (other.category == entry.category ? 1.5 : 0.0);
        scored.emplace_back(score, other.title.size(), e, other.title);
    }
    return bestTitles(scored, limit);
}

QStringList DreamSearch::suggestions(const QString &text, int limit) const
{
    const QSet<char32_t> chars = meaningfulCharacters(normalizeQuery(text));
    if (chars.isEmpty() || limit <= 0)
        return {};
    std::vector<std::tuple<double, qsizetype, int, QString>> scored;
    for (int e = 0; e < int(m_entries.size()); ++e) {
        const double shared = sharedWeight(chars, m_entries[size_t(e)].key);
        if (shared > 0)
            scored.emplace_back(shared, m_entries[size_t(e)].title.size(), e, m_entries[size_t(e)].title);
    }
    return bestTitles(scored, limit);
}

int DreamSearch::entryCount() const
{
    return int(m_entries.size());
}
