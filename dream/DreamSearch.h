#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

// The dream search: an index over the titles, aliases, pinyin keys and decoded
// texts of dream.dll, built once in memory; queries never touch the disk.
class DreamSearch
{
public:
    // Why an entry matched, best first.
    enum class Match { Exact, Alias, Title, Narrative, Pinyin, Initials, FullText };
    static QString matchName(Match match);    // "exact", "alias", ... for scripts
    static QString matchCaption(Match match); // the window's words for it

    struct Span
    {
        qsizetype start = 0;
        qsizetype length = 0;
        bool operator==(const Span &) const = default;
    };

    struct Hit
    {
        QString title;
        QString category;
        Match match = Match::FullText;
        QString matchedTerm; // the title, alias or word of the query that matched
        QStringList words;   // what to highlight in the entry's text
        QString snippet;     // one line of the text around the first match
        QList<Span> spans;   // of the words in the snippet
    };

    DreamSearch();
    ~DreamSearch();
    DreamSearch(const DreamSearch &) = delete;
    DreamSearch &operator=(const DreamSearch &) = delete;
    DreamSearch &operator=(DreamSearch &&) noexcept;

    // The query as the search understands it: blanks and control characters
    // tidied, full-width forms folded to half-width, letters in lower case,
    // traditional characters simplified, a leading "梦见..." phrase, a leading
    // "一条" and trailing punctuation and particles dropped. Pure; any input.
    static QString normalizeQuery(const QString &text);
    // The same without dropping the dream phrase and counting words, so that a
    // title such as 梦中梦 or 三只眼 is still found as written.
    static QString foldQuery(const QString &text);
    // Queries longer than this are cut: a dream told in more words gains nothing.
    static constexpr qsizetype maxQueryLength = 1000;

    // Reads the database read-only; false when it cannot be read, with the reason.
    bool load(const QString &databasePath, QString *error = nullptr);
    bool loaded() const { return m_loaded; }
    const QString &databasePath() const { return m_databasePath; }

    // Ranked hits, at most limit of them.
    QList<Hit> search(const QString &text, int limit) const;

    int entryCount() const;
    bool contains(const QString &title) const;
    QString categoryOf(const QString &title) const;
    QString textOf(const QString &title) const;
    // Entries of the same subject family or category that share words with it.
    QStringList related(const QString &title, int limit = 8) const;
    // Titles sharing the most characters with a query that found nothing.
    QStringList suggestions(const QString &text, int limit = 6) const;
    const QStringList &categories() const { return m_categories; }
    QStringList titlesOfCategory(const QString &category) const;

    // The index of the program's dream.dll, built on first use (again only when
    // the program directory changes, as tests do).
    static std::shared_ptr<const DreamSearch> shared();

private:
    struct Entry;
    struct Term;
    struct Candidate;
    struct PinyinChar;

    int entryOf(const QString &title) const;
    QString textOf(int entry) const;
    QStringView textView(int entry) const;
    void finishIndex();
    void addPinyin(Term &term, QStringView key, std::unordered_map<std::u16string_view, quint16> &syllableNumbers);
    int firstTermWithKey(QStringView key) const;
    void matchExact(const QString &query, QHash<int, Candidate> &found) const;
    void matchTitles(const QString &subject, QHash<int, Candidate> &found) const;
    void matchNarrative(const QString &subject, QHash<int, Candidate> &found) const;
    void matchPinyin(const QString &letters, QHash<int, Candidate> &found) const;
    struct PinyinMatch;
    PinyinMatch matchSyllables(const Term &term, int start, QStringView letters, int mode, std::vector<int> &scratch) const;
    void matchFullText(const QString &subject, QHash<int, Candidate> &found) const;
    Hit hitOf(const Candidate &candidate) const;
    static void offer(QHash<int, Candidate> &found, Candidate candidate);
    bool rankedBefore(const Candidate &a, const Candidate &b) const;
    double characterWeight(char32_t c) const;
    double sharedWeight(const QSet<char32_t> &chars, const QString &key) const;

    bool m_loaded = false;
    QString m_databasePath;
    QStringList m_categories;
    std::vector<Entry> m_entries;
    std::vector<Term> m_terms;
    // Folded term -> its first term (Term::nextSameKey leads to the others); the
    // views point into the terms' own keys, which never change once loaded.
    std::unordered_map<std::u16string_view, int> m_termByKey;
    QHash<QString, int> m_entryByTitle;      // folded title -> entry
    qsizetype m_longestTerm = 0;
    QString m_texts;                         // every decoded text, each followed by a NUL
    std::vector<qsizetype> m_textStarts;     // entry -> start in m_texts, plus the end
    QString m_titles;                        // every folded title, each followed by a NUL
    std::vector<qsizetype> m_titleStarts;
    QHash<char32_t, int> m_titleCharCounts;  // in how many titles a character occurs
    QHash<char32_t, std::vector<int>> m_entriesWithCharacter; // whose texts hold it, in order
    std::vector<std::vector<std::pair<int, int>>> m_pinyinStarts; // letter -> (term, character)
    std::vector<PinyinChar> m_pinyinChars; // of every term, one after another
    std::vector<quint16> m_readings;       // syllable numbers of every character
    QStringList m_syllables;
};
