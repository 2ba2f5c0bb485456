#include "dream/Untheart.h"

#include "data/uShare.h"
#include "dream/DreamBook.h"
#include "dream/DreamLookup.h"
#include "widgets/Controls.h"
#include "widgets/JpegImage.h"
#include "widgets/Placement.h"
#include "widgets/TextArea.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QMouseEvent>

QPointer<TFrmbook> Frmbook;

namespace {

constexpr int imageCount = 17;

constexpr int categoryIcon = 12;
constexpr int openCategoryIcon = 13;
constexpr int entryIcon = 15;
constexpr int selectedEntryIcon = 16;

} // namespace

TFrmbook::TFrmbook(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setupUi(this);
    applyPixelSizes(this);
    setAttribute(Qt::WA_DeleteOnClose);
    for (int i = 0; i < imageCount; ++i)
        ImageList1 << loadPixmap(QStringLiteral("tree%1.png").arg(i, 2, 10, QLatin1Char('0')));

    // Long titles widen the column, so the tree scrolls sideways instead of cutting them.
    TreeView->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    useTooltipColours(TreeView, "QTreeView");
    // The selection stays highlighted when the tree loses the focus.
    QPalette treePalette = TreeView->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        treePalette.setColor(QPalette::Inactive, role, treePalette.color(QPalette::Active, role));
    TreeView->setPalette(treePalette);
    TreeView->viewport()->installEventFilter(this);

    connect(TreeView, &QTreeWidget::itemSelectionChanged, this, &TFrmbook::selectionChanged);
    connect(RzToolButton3, &QToolButton::clicked, this, &TFrmbook::RzToolButton3Click);
    connect(RzToolButton4, &QToolButton::clicked, this, &TFrmbook::RzToolButton4Click);
    connect(RzToolButton5, &QToolButton::clicked, this, &TFrmbook::RzToolButton5Click);
    placeAsDesigned(this, {358, 255});
}

void TFrmbook::setHiddenParts(QWidget *panel, QWidget *picture)
{
    m_hiddenPanel = panel;
    m_hiddenPicture = picture;
}

void TFrmbook::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
        TreeView->setFocus();
    }
}

void TFrmbook::FormShow()
{
    AdoLeft.setConnectionString(GetConnStr());
    AdoData.setConnectionString(GetConnStr());
    ShowTreeDate();
    m_currentTitle.clear();
}

QIcon TFrmbook::nodeIcon(int normal, int selected) const
{
    QIcon icon;
    icon.addPixmap(ImageList1.at(normal), QIcon::Normal);
    icon.addPixmap(ImageList1.at(selected), QIcon::Selected);
    return icon;
}

void TFrmbook::ShowTreeDate()
{
    TreeView->clear();
    QList<DreamBook::Category> book;
    DreamBook::load(AdoLeft, AdoData, book);
    const QIcon category = nodeIcon(categoryIcon, openCategoryIcon);
    const QIcon entry = nodeIcon(entryIcon, selectedEntryIcon);
    QList<QTreeWidgetItem *> nodes;
    nodes.reserve(book.size());
    for (const DreamBook::Category &section : std::as_const(book)) {
        auto *node = new QTreeWidgetItem(QStringList{section.name});
        node->setIcon(0, category);
        for (const QString &title : section.titles) {
            auto *child = new QTreeWidgetItem(node, QStringList{title});
            child->setIcon(0, entry);
        }
        nodes << node;
    }
    TreeView->addTopLevelItems(nodes);
}

void TFrmbook::ShowMomeDate(const QString &title)
{
    QStringList lines;
    if (!DreamLookup::contentOfTitle(AdoData, title, lines))
        return;
    setTextAreaLines(RzMemo1, lines);
}

QTreeWidgetItem *TFrmbook::selectedNode() const
{
    const QList<QTreeWidgetItem *> selected = TreeView->selectedItems();
    return selected.isEmpty() ? nullptr : selected.constFirst();
}

void TFrmbook::selectionChanged()
{
    QTreeWidgetItem *node = selectedNode();
    if (!node)
        return;
    // Single-expand: the selected category opens, every other one closes.
    QTreeWidgetItem *category = node->parent() ? node->parent() : node;
    for (int i = 0; i < TreeView->topLevelItemCount(); ++i) {
        QTreeWidgetItem *top = TreeView->topLevelItem(i);
        if (top != category && top->isExpanded())
            top->setExpanded(false);
    }
    if (node == category && node->childCount() > 0)
        node->setExpanded(true);
    TreeViewChange(node);
}

bool TFrmbook::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TreeView->viewport() && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        TreeViewClick();
    return QWidget::eventFilter(watched, event);
}

void TFrmbook::TreeViewClick()
{
    QTreeWidgetItem *node = selectedNode();
    if (!node || node->childCount() > 0)
        return;
    const QString title = trimText(node->text(0));
    ShowMomeDate(title);
    m_currentTitle = title;
}

void TFrmbook::TreeViewChange(QTreeWidgetItem *node)
{
    if (m_currentTitle.isEmpty() || !node)
        return;
    ShowMomeDate(trimText(node->text(0)));
}

void TFrmbook::RzToolButton3Click()
{
    saveTextArea(SaveDialog1, m_currentTitle, RzMemo1);
}

void TFrmbook::RzToolButton4Click()
{
    printTextArea(RzMemo1, windowTitle());
}

void TFrmbook::RzToolButton5Click()
{
    close();
}

void TFrmbook::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_hiddenPanel)
        m_hiddenPanel->show();
    if (m_hiddenPicture)
        m_hiddenPicture->show();
    if (Frmbook == this)
        Frmbook = nullptr;
}
