#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

struct sqlite3;

// The user's search history and favourite entries, in an SQLite file of their
// own (never in dream.dll). A file that is damaged, locked or read-only never
// blocks anything: the store answers with nothing and says why once.
class SearchStore
{
public:
    // Opens or creates the file; see available() and error().
    explicit SearchStore(const QString &path);
    ~SearchStore();

    // search.sqlite in the user's data folder.
    static QString defaultPath();
    static constexpr int historyLimit = 100;

    // False when the file could not be opened or written; error() says why.
    bool available() const { return m_available; }
    const QString &error() const { return m_error; }

    struct Search
    {
        QString query;
        QString title; // the entry the user opened for it
    };
    // Newest first.
    QList<Search> history() const;
    // Records a search the user opened a result for; a repeated query moves
    // to the top. Only the last historyLimit are kept.
    bool addSearch(const QString &query, const QString &title);
    bool clearHistory();

    // Newest first.
    QStringList favourites() const;
    bool isFavourite(const QString &title) const;
    bool setFavourite(const QString &title, bool favourite);
    bool clearFavourites();

private:
    bool run(const QByteArray &sql, const QStringList &values = {});
    bool fail(const QString &what);

    struct Closer
    {
        void operator()(sqlite3 *db) const;
    };
    std::unique_ptr<sqlite3, Closer> m_db;
    QString m_path;
    QString m_error;
    bool m_available = false;
};
