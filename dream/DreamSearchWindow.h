#pragma once

#include "data/SaveText.h"
#include "dream/DreamSearch.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <memory>

class QListWidgetItem;
class QTimer;
class QTreeWidgetItem;
class SearchStore;

namespace Ui {
class DreamSearchWindow;
}

// The dream search window: a search line answered as the user types, the
// results, the whole reading with the matched words marked, related dreams,
// and the user's history and favourites.
class DreamSearchWindow : public QWidget
{
    Q_OBJECT
public:
    // The history file is the user's unless a test names another.
    explicit DreamSearchWindow(QWidget *parent = nullptr, const QString &storePath = QString());
    ~DreamSearchWindow() override;

    // Typing waits this long for the next key before the search runs.
    static constexpr int typingPause = 150;
    static constexpr int resultLimit = 50;
    static constexpr int relatedLimit = 8;

    const QString &currentTitle() const { return m_currentTitle; }

    void EditSearchChange();
    void SearchNow();
    void OpenSelected();
    void ListResultsClick(QTreeWidgetItem *item);
    void LinkClick(const QString &link);
    void ListHistoryClick(QListWidgetItem *item);
    void ListFavouritesClick(QListWidgetItem *item);
    void BtnFavouriteClick(bool favourite);
    void BtnClearHistoryClick();
    void BtnClearFavouritesClick();
    void BtnSaveClick();
    void BtnPrintClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showHits(const QList<DreamSearch::Hit> &hits);
    void showNothingFound(const QString &query);
    void showCategory(const QString &category);
    void openEntry(const QString &title, const QStringList &words);
    void moveSelection(int step);
    void refreshHistory();
    void refreshFavourites();
    void showFavouriteState();
    void storeFailed();
    QStringList readingLines() const;

    std::unique_ptr<Ui::DreamSearchWindow> ui;
    std::shared_ptr<const DreamSearch> m_index;
    std::unique_ptr<SearchStore> m_store;
    QTimer *m_typingTimer = nullptr;
    QString m_shownQuery; // the query the results list answers
    QString m_currentTitle;
    bool m_storeReported = false;
    TextSaver m_saver;
};

extern QPointer<DreamSearchWindow> FrmDreamSearch;
