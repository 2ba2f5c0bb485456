#include "dream/Untheart.h"

#include "widgets/Controls.h"
#include "data/Platform.h"
#include "data/uShare.h"
#include "dream/DreamBook.h"
#include "dream/DreamLookup.h"
#include "widgets/JpegImage.h"
#include "widgets/TextArea.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QTreeWidget>

QPointer<TFrmbook> Frmbook;

namespace {

constexpr int bandHeight = 24;
constexpr int treeWidth = 169;
constexpr int imageCount = 17;

constexpr int categoryIcon = 12;
constexpr int openCategoryIcon = 13;
constexpr int entryIcon = 15;
constexpr int selectedEntryIcon = 16;

// The buttons lie flat on the picture strip, narrow enough for their 55 pixels.
const QString bandStyle = QStringLiteral(
    "QToolButton { background: transparent; border: 1px solid transparent; border-radius: 2px;"
    " padding: 1px 2px; color: #1f1f1f; }"
    "QToolButton:hover { background: rgba(255, 255, 255, 150); border-color: #3f8f3f; }"
    "QToolButton:pressed { background: rgba(0, 0, 0, 30); }");

} // namespace

TFrmbook::TFrmbook(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Frmbook"));
    setWindowTitle(QStringLiteral("解梦全书"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(songFont());

    for (int i = 0; i < imageCount; ++i)
        ImageList1 << loadPixmap(QStringLiteral("tree%1.png").arg(i, 2, 10, QLatin1Char('0')));

    RzPanel1 = new QWidget(this);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    RzPanel1->setStyleSheet(bandStyle);
    Image3 = new QLabel(RzPanel1);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(0, 0, 530, 105);
    Image3->setPixmap(loadPixmap(QStringLiteral("strip.jpg")));
    auto toolButton = [this](const char *name, const QString &caption, int icon, int x) {
        auto *button = new QToolButton(RzPanel1);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(caption);
        button->setIcon(QIcon(ImageList1.at(icon)));
        button->setIconSize(QSize(16, 16));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(x, 0, 55, bandHeight);
        return button;
    };
    RzToolButton3 = toolButton("RzToolButton3", QStringLiteral("保存"), 0, 0);
    RzToolButton4 = toolButton("RzToolButton4", QStringLiteral("打印"), 2, 55);
    RzToolButton5 = toolButton("RzToolButton5", QStringLiteral("关闭"), 6, 111);

    TreeView = new QTreeWidget(this);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    TreeView->setHeaderHidden(true);
    TreeView->setColumnCount(1);
    TreeView->setIndentation(19);
    TreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeView->setIconSize(QSize(16, 16));
    TreeView->setUniformRowHeights(true);
    TreeView->header()->setStretchLastSection(false);
    TreeView->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    useTooltipColours(TreeView, "QTreeView");
    // The selection stays highlighted when the tree loses the focus.
    QPalette treePalette = TreeView->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        treePalette.setColor(QPalette::Inactive, role, treePalette.color(QPalette::Active, role));
    TreeView->setPalette(treePalette);
    TreeView->viewport()->installEventFilter(this);

    RzMemo1 = createReadOnlyTextArea(this);

    setTabOrder(TreeView, RzMemo1);

    connect(TreeView, &QTreeWidget::itemSelectionChanged, this, &TFrmbook::selectionChanged);
    connect(RzToolButton3, &QToolButton::clicked, this, &TFrmbook::RzToolButton3Click);
    connect(RzToolButton4, &QToolButton::clicked, this, &TFrmbook::RzToolButton4Click);
    connect(RzToolButton5, &QToolButton::clicked, this, &TFrmbook::RzToolButton5Click);

    // Outer 538 x 350 as designed, at its designed place on the screen.
    resize(530, 316);
    move(358, 255);
}

void TFrmbook::setHiddenParts(QWidget *panel, QWidget *picture)
{
    m_hiddenPanel = panel;
    m_hiddenPicture = picture;
}

void TFrmbook::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    RzPanel1->setGeometry(0, 0, width(), bandHeight);
    TreeView->setGeometry(0, bandHeight, treeWidth, height() - bandHeight);
    RzMemo1->setGeometry(treeWidth, bandHeight, width() - treeWidth, height() - bandHeight);
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
    SaveDialog1.save(m_currentTitle, textAreaLines(RzMemo1));
}

void TFrmbook::RzToolButton4Click()
{
    RzMemo1->viewport()->update();
    printing().printText(windowTitle(), RzMemo1->toPlainText());
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
