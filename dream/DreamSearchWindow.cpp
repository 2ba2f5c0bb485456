#include "dream/DreamSearchWindow.h"
#include "ui_DreamSearchWindow.h"

#include "data/Platform.h"
#include "data/uShare.h"
#include "dream/SearchStore.h"
#include "widgets/Placement.h"
#include "widgets/TextArea.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTimer>
#include <QUrl>

QPointer<DreamSearchWindow> FrmDreamSearch;

namespace {

const QString entryScheme = QStringLiteral("entry");
const QString unreadableData = QStringLiteral("无法读取梦境数据，暂时不能搜索。");
constexpr int longestShownQuery = 20;
const QString categoryScheme = QStringLiteral("category");
const QColor markedBackground(255, 214, 102);
const QColor markedText(96, 32, 0);
constexpr int titleRole = Qt::UserRole;
constexpr int wordsRole = Qt::UserRole + 1;
constexpr int queryRole = Qt::UserRole + 2;

QString link(const QString &scheme, const QString &target)
{
    return QStringLiteral("<a href=\"%1:%2\">%3</a>")
        .arg(scheme, QString::fromLatin1(QUrl::toPercentEncoding(target)), target.toHtmlEscaped());
}

QString links(const QString &scheme, const QStringList &targets)
{
    QStringList parts;
    for (const QString &target : targets)
        parts << link(scheme, target);
    return parts.join(QStringLiteral("　"));
}

} // namespace

DreamSearchWindow::DreamSearchWindow(QWidget *parent, const QString &storePath)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::DreamSearchWindow>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    useTooltipColours(ui->TextReading, "QTextEdit");
    ui->ListResults->header()->setStretchLastSection(true);
    ui->ListResults->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ui->ListResults->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    ui->Splitter->setStretchFactor(0, 4);
    ui->Splitter->setStretchFactor(1, 5);
    ui->LabelRelatedCaption->hide();
    ui->LabelRelated->hide();

    m_typingTimer = new QTimer(this);
    m_typingTimer->setSingleShot(true);
    m_typingTimer->setInterval(typingPause);

    connect(ui->EditSearch, &QLineEdit::textChanged, this, &DreamSearchWindow::EditSearchChange);
    connect(m_typingTimer, &QTimer::timeout, this, &DreamSearchWindow::SearchNow);
    connect(ui->ListResults, &QTreeWidget::itemClicked, this, &DreamSearchWindow::ListResultsClick);
    connect(ui->ListResults, &QTreeWidget::itemActivated, this, &DreamSearchWindow::ListResultsClick);
    connect(ui->LabelRelated, &QLabel::linkActivated, this, &DreamSearchWindow::LinkClick);
    connect(ui->LabelNotFound, &QLabel::linkActivated, this, &DreamSearchWindow::LinkClick);
    connect(ui->ListHistory, &QListWidget::itemClicked, this, &DreamSearchWindow::ListHistoryClick);
    connect(ui->ListHistory, &QListWidget::itemActivated, this, &DreamSearchWindow::ListHistoryClick);
    connect(ui->ListFavourites, &QListWidget::itemClicked, this, &DreamSearchWindow::ListFavouritesClick);
    connect(ui->ListFavourites, &QListWidget::itemActivated, this, &DreamSearchWindow::ListFavouritesClick);
    connect(ui->BtnFavourite, &QPushButton::clicked, this, &DreamSearchWindow::BtnFavouriteClick);
    connect(ui->BtnClearHistory, &QPushButton::clicked, this, &DreamSearchWindow::BtnClearHistoryClick);
    connect(ui->BtnClearFavourites, &QPushButton::clicked, this, &DreamSearchWindow::BtnClearFavouritesClick);
    connect(ui->BtnSave, &QPushButton::clicked, this, &DreamSearchWindow::BtnSaveClick);
    connect(ui->BtnPrint, &QPushButton::clicked, this, &DreamSearchWindow::BtnPrintClick);
    ui->EditSearch->installEventFilter(this);

    m_index = DreamSearch::shared();
    m_store = std::make_unique<SearchStore>(storePath.isEmpty() ? SearchStore::defaultPath() : storePath);
    refreshHistory();
    refreshFavourites();
    if (!m_index->loaded())
        ui->LabelStatus->setText(unreadableData);
    else if (!m_store->available())
        storeFailed();

    placeAsDesigned(this, designedCentre(frameSizeOf(this)));
    ui->EditSearch->setFocus();
}

DreamSearchWindow::~DreamSearchWindow() = default;

void DreamSearchWindow::storeFailed()
{
    // Said once: the search goes on without history.
    if (m_storeReported)
        return;
    m_storeReported = true;
    ui->LabelStatus->setText(QStringLiteral("搜索历史和收藏无法保存（记录文件损坏、被占用或不可写），搜索不受影响。"));
    ui->BtnFavourite->setEnabled(false);
    ui->BtnFavourite->setToolTip(QStringLiteral("收藏无法保存"));
}

void DreamSearchWindow::EditSearchChange()
{
    m_typingTimer->start();
}

void DreamSearchWindow::SearchNow()
{
    m_typingTimer->stop();
    const QString query = ui->EditSearch->text();
    m_shownQuery = query;
    if (!m_index->loaded()) {
        ui->LabelStatus->setText(unreadableData);
        return;
    }
    if (DreamSearch::normalizeQuery(query).isEmpty() && DreamSearch::foldQuery(query).isEmpty()) {
        ui->ListResults->clear();
        ui->StackResults->setCurrentWidget(ui->PageResults);
        if (!m_storeReported || !query.trimmed().isEmpty())
            ui->LabelStatus->clear();
        return;
    }
    const QList<DreamSearch::Hit> hits = m_index->search(query, resultLimit);
    if (hits.isEmpty())
        showNothingFound(query);
    else
        showHits(hits);
}

void DreamSearchWindow::showHits(const QList<DreamSearch::Hit> &hits)
{
    ui->ListResults->clear();
    QList<QTreeWidgetItem *> items;
    for (const DreamSearch::Hit &hit : hits) {
        auto *item = new QTreeWidgetItem(QStringList{hit.title, hit.category, hit.snippet});
        item->setData(0, titleRole, hit.title);
        item->setData(0, wordsRole, hit.words);
        item->setToolTip(0, QStringLiteral("%1（%2）").arg(hit.title, DreamSearch::matchCaption(hit.match)));
        item->setToolTip(2, hit.snippet);
        items << item;
    }
    ui->ListResults->addTopLevelItems(items);
    ui->ListResults->setCurrentItem(items.constFirst());
    ui->StackResults->setCurrentWidget(ui->PageResults);
    ui->LabelStatus->setText(QStringLiteral("找到 %1 条相关梦境，按回车或单击查看解析。").arg(hits.size()));
}

void DreamSearchWindow::showNothingFound(const QString &query)
{
    ui->ListResults->clear();
    const QStringList nearest = m_index->suggestions(query);
    QString shown = trimText(query).simplified();
    if (shown.size() > longestShownQuery)
        shown = shown.left(longestShownQuery) + QStringLiteral("…");
    QString html = QStringLiteral("<p>没有找到与“%1”相符的梦境。换个说法试试，比如只写梦里最主要的人或物。</p>")
                       .arg(shown.toHtmlEscaped());
    if (!nearest.isEmpty())
        html += QStringLiteral("<p>意思相近的梦境：<br>%1</p>").arg(links(entryScheme, nearest));
    if (!m_index->categories().isEmpty())
        html += QStringLiteral("<p>也可以按类别浏览：<br>%1</p>").arg(links(categoryScheme, m_index->categories()));
    ui->LabelNotFound->setText(html);
    ui->StackResults->setCurrentWidget(ui->PageNotFound);
    ui->LabelStatus->setText(QStringLiteral("没有找到相符的梦境。"));
}

void DreamSearchWindow::showCategory(const QString &category)
{
    ui->ListResults->clear();
    QList<QTreeWidgetItem *> items;
    for (const QString &title : m_index->titlesOfCategory(category)) {
        QString snippet = m_index->textOf(title).simplified();
        if (snippet.size() > 40)
            snippet = snippet.left(40) + QStringLiteral("…");
        auto *item = new QTreeWidgetItem(QStringList{title, category, snippet});
        item->setData(0, titleRole, title);
        items << item;
    }
    if (items.isEmpty())
        return;
    ui->ListResults->addTopLevelItems(items);
    ui->ListResults->setCurrentItem(items.constFirst());
    ui->StackResults->setCurrentWidget(ui->PageResults);
    ui->LabelStatus->setText(QStringLiteral("%1：共 %2 条梦境。").arg(category).arg(items.size()));
}

void DreamSearchWindow::moveSelection(int step)
{
    QTreeWidget *list = ui->ListResults;
    if (m_typingTimer->isActive())
        SearchNow();
    const int count = list->topLevelItemCount();
    if (count == 0 || ui->StackResults->currentWidget() != ui->PageResults)
        return;
    const int row = list->currentItem() ? list->indexOfTopLevelItem(list->currentItem()) : -1;
    list->setCurrentItem(list->topLevelItem(std::clamp(row + step, 0, count - 1)));
}

void DreamSearchWindow::OpenSelected()
{
    if (m_typingTimer->isActive())
        SearchNow();
    if (ui->StackResults->currentWidget() != ui->PageResults)
        return;
    if (QTreeWidgetItem *item = ui->ListResults->currentItem())
        ListResultsClick(item);
}

void DreamSearchWindow::ListResultsClick(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const QString title = item->data(0, titleRole).toString();
    openEntry(title, item->data(0, wordsRole).toStringList());
    // Only searches that led somewhere are worth remembering.
    if (!trimText(m_shownQuery).isEmpty() && item->data(0, wordsRole).isValid()) {
        if (!m_store->addSearch(trimText(m_shownQuery), title))
            storeFailed();
        refreshHistory();
    }
}

void DreamSearchWindow::LinkClick(const QString &target)
{
    const qsizetype colon = target.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return;
    const QString scheme = target.left(colon);
    const QString value = QUrl::fromPercentEncoding(target.mid(colon + 1).toLatin1());
    if (scheme == entryScheme)
        openEntry(value, {});
    else if (scheme == categoryScheme)
        showCategory(value);
}

void DreamSearchWindow::ListHistoryClick(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString query = item->data(queryRole).toString();
    const QString title = item->data(titleRole).toString();
    {
        const QSignalBlocker blocker(ui->EditSearch);
        ui->EditSearch->setText(query);
    }
    SearchNow();
    QStringList words;
    for (int i = 0; i < ui->ListResults->topLevelItemCount(); ++i) {
        if (ui->ListResults->topLevelItem(i)->data(0, titleRole).toString() == title) {
            ui->ListResults->setCurrentItem(ui->ListResults->topLevelItem(i));
            words = ui->ListResults->topLevelItem(i)->data(0, wordsRole).toStringList();
        }
    }
    openEntry(title, words);
}

void DreamSearchWindow::ListFavouritesClick(QListWidgetItem *item)
{
    if (item)
        openEntry(item->text(), {});
}

void DreamSearchWindow::openEntry(const QString &title, const QStringList &words)
{
    if (!m_index->contains(title))
        return;
    m_currentTitle = title;
    ui->LabelTitle->setText(title);
    ui->LabelCategory->setText(QStringLiteral("（%1）").arg(m_index->categoryOf(title)));
    ui->TextReading->setPlainText(m_index->textOf(title));

    QList<QTextEdit::ExtraSelection> marks;
    QTextDocument *document = ui->TextReading->document();
    for (const QString &word : words) {
        if (word.isEmpty())
            continue;
        for (QTextCursor found = document->find(word); !found.isNull(); found = document->find(word, found)) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = found;
            mark.format.setBackground(markedBackground);
            mark.format.setForeground(markedText);
            marks << mark;
        }
    }
    ui->TextReading->setExtraSelections(marks);
    if (!marks.isEmpty()) {
        QTextCursor first = marks.constFirst().cursor;
        first.clearSelection();
        ui->TextReading->setTextCursor(first);
        ui->TextReading->ensureCursorVisible();
    }

    const QStringList related = m_index->related(title, relatedLimit);
    ui->LabelRelated->setText(links(entryScheme, related));
    ui->LabelRelatedCaption->setVisible(!related.isEmpty());
    ui->LabelRelated->setVisible(!related.isEmpty());
    showFavouriteState();
}

void DreamSearchWindow::showFavouriteState()
{
    const bool favourite = m_store->isFavourite(m_currentTitle);
    ui->BtnFavourite->setEnabled(!m_currentTitle.isEmpty() && m_store->available());
    ui->BtnSave->setEnabled(!m_currentTitle.isEmpty());
    ui->BtnPrint->setEnabled(!m_currentTitle.isEmpty());
    ui->BtnFavourite->setChecked(favourite);
    ui->BtnFavourite->setText(favourite ? QStringLiteral("★ 已收藏") : QStringLiteral("☆ 收藏"));
}

void DreamSearchWindow::BtnFavouriteClick(bool favourite)
{
    if (m_currentTitle.isEmpty())
        return;
    if (!m_store->setFavourite(m_currentTitle, favourite))
        storeFailed();
    refreshFavourites();
    showFavouriteState();
}

void DreamSearchWindow::refreshHistory()
{
    ui->ListHistory->clear();
    for (const SearchStore::Search &search : m_store->history()) {
        auto *item = new QListWidgetItem(QStringLiteral("%1 → %2").arg(search.query, search.title), ui->ListHistory);
        item->setData(queryRole, search.query);
        item->setData(titleRole, search.title);
        item->setToolTip(QStringLiteral("搜索“%1”，看了“%2”").arg(search.query, search.title));
    }
    ui->BtnClearHistory->setEnabled(ui->ListHistory->count() > 0);
}

void DreamSearchWindow::refreshFavourites()
{
    ui->ListFavourites->clear();
    ui->ListFavourites->addItems(m_store->favourites());
    ui->BtnClearFavourites->setEnabled(ui->ListFavourites->count() > 0);
}

void DreamSearchWindow::BtnClearHistoryClick()
{
    if (!m_store->clearHistory())
        storeFailed();
    refreshHistory();
}

void DreamSearchWindow::BtnClearFavouritesClick()
{
    if (!m_store->clearFavourites())
        storeFailed();
    refreshFavourites();
    showFavouriteState();
}

QStringList DreamSearchWindow::readingLines() const
{
    if (m_currentTitle.isEmpty())
        return {};
    QStringList lines{m_currentTitle, QString()};
    addLines(lines, ui->TextReading->toPlainText());
    return lines;
}

void DreamSearchWindow::BtnSaveClick()
{
    m_saver.save(m_currentTitle, readingLines());
}

void DreamSearchWindow::BtnPrintClick()
{
    if (!m_currentTitle.isEmpty())
        printing().printText(m_currentTitle, readingLines().join(QLatin1Char('\n')));
}

bool DreamSearchWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->EditSearch && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
            moveSelection(-1);
            return true;
        case Qt::Key_Down:
            moveSelection(1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            OpenSelected();
            return true;
        case Qt::Key_Escape:
            ui->EditSearch->clear();
            SearchNow();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DreamSearchWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (FrmDreamSearch == this)
        FrmDreamSearch = nullptr;
}
