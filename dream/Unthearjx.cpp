#include "dream/Unthearjx.h"

#include "widgets/Controls.h"
#include "widgets/JpegImage.h"
#include "data/Platform.h"
#include "data/uShare.h"
#include "dream/DreamLookup.h"
#include "widgets/GradientPanel.h"
#include "widgets/TextArea.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>

QPointer<TFrmheartJx> FrmheartJx;

namespace {

constexpr int bandHeight = 83;

QLabel *label(QWidget *parent, const char *name, const QString &text, int x, int y)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->move(x, y);
    return result;
}

} // namespace

TFrmheartJx::TFrmheartJx(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FrmheartJx"));
    setWindowTitle(QStringLiteral("周公解析"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(songFont());

    RzPanel1 = new GradientPanel(QColor(205, 236, 251), QColor(213, 236, 230), this);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    RzPanel1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    Label1 = label(RzPanel1, "Label1", QStringLiteral("解梦大类："), 13, 13);
    ComboBoxDL = new QComboBox(RzPanel1);
    ComboBoxDL->setObjectName(QStringLiteral("ComboBoxDL"));
    ComboBoxDL->setEditable(true);
    ComboBoxDL->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxDL->setGeometry(73, 8, 115, 20);
    ComboBoxDL->installEventFilter(this);
    Label2 = label(RzPanel1, "Label2", QStringLiteral("解梦细项："), 197, 13);
    ComboBoxXX = new QComboBox(RzPanel1);
    ComboBoxXX->setObjectName(QStringLiteral("ComboBoxXX"));
    ComboBoxXX->setEditable(true);
    ComboBoxXX->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxXX->setGeometry(257, 8, 115, 20);
    ComboBoxXX->setMaxVisibleItems(16);
    Label3 = label(RzPanel1, "Label3", QStringLiteral("做梦主题："), 13, 34);
    EditCode = new QLineEdit(RzPanel1);
    EditCode->setObjectName(QStringLiteral("EditCode"));
    EditCode->setGeometry(73, 31, 115, 20);
    RzRadioButton1 = new QRadioButton(QStringLiteral("精确查找"), RzPanel1);
    RzRadioButton1->setObjectName(QStringLiteral("RzRadioButton1"));
    RzRadioButton1->setGeometry(205, 32, 81, 20);
    RzRadioButton1->setChecked(true);
    RzRadioButton2 = new QRadioButton(QStringLiteral("模糊查找"), RzPanel1);
    RzRadioButton2->setObjectName(QStringLiteral("RzRadioButton2"));
    RzRadioButton2->setGeometry(285, 32, 81, 20);
    RzBitBtn1 = pictureButton(RzPanel1, "RzBitBtn1", QStringLiteral("查找"), QStringLiteral("tree03.png"), QRect(153, 54, 56, 23));
    RzBitBtn2 = pictureButton(RzPanel1, "RzBitBtn2", QStringLiteral("保存"), QStringLiteral("tree00.png"), QRect(208, 54, 56, 23));
    RzBitBtn3 = pictureButton(RzPanel1, "RzBitBtn3", QStringLiteral("打印"), QStringLiteral("tree02.png"), QRect(263, 54, 56, 23));
    RzBitBtn4 = pictureButton(RzPanel1, "RzBitBtn4", QStringLiteral("关闭"), QStringLiteral("tree06.png"), QRect(318, 54, 56, 23));

    RzMemo1 = createReadOnlyTextArea(this);

    setTabOrder(RzMemo1, ComboBoxDL);
    setTabOrder(ComboBoxDL, ComboBoxXX);
    setTabOrder(ComboBoxXX, EditCode);
    setTabOrder(EditCode, RzBitBtn1);
    setTabOrder(RzBitBtn1, RzBitBtn2);
    setTabOrder(RzBitBtn2, RzBitBtn3);
    setTabOrder(RzBitBtn3, RzBitBtn4);
    setTabOrder(RzBitBtn4, RzRadioButton1);
    setTabOrder(RzRadioButton1, RzRadioButton2);

    connect(ComboBoxXX, &QComboBox::activated, this, &TFrmheartJx::ComboBoxXXClick);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TFrmheartJx::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TFrmheartJx::RzBitBtn2Click);
    connect(RzBitBtn3, &QPushButton::clicked, this, &TFrmheartJx::RzBitBtn3Click);
    connect(RzBitBtn4, &QPushButton::clicked, this, &TFrmheartJx::RzBitBtn4Click);

    // Outer 389 x 355 as designed, at its designed place on the screen.
    resize(381, 321);
    move(403, 310);
}

void TFrmheartJx::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    RzPanel1->setGeometry(0, 0, width(), bandHeight);
    RzMemo1->setGeometry(0, bandHeight, width(), height() - bandHeight);
}

void TFrmheartJx::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
        RzMemo1->setFocus();
    }
}

void TFrmheartJx::FormShow()
{
    AdoLeft.setConnectionString(GetConnStr());
    AdoData.setConnectionString(GetConnStr());
    ComboBoxDL->clear();
    QStringList names;
    if (!DreamLookup::categoryNames(AdoLeft, names))
        return;
    ComboBoxDL->addItems(names);
    ComboBoxDL->setCurrentIndex(-1);
    ComboBoxDL->setEditText(QString());
    m_currentTitle.clear();
}

bool TFrmheartJx::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ComboBoxDL && event->type() == QEvent::FocusOut) {
        // The combo's own popup takes the focus without leaving the box.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            ComboBoxDLExit();
    }
    return QWidget::eventFilter(watched, event);
}

void TFrmheartJx::ComboBoxDLExit()
{
    const QString category = trimText(ComboBoxDL->currentText());
    if (category.isEmpty())
        return;
    const QString shown = ComboBoxXX->currentText();
    ComboBoxXX->clear();
    ComboBoxXX->setEditText(shown);
    QStringList titles;
    if (!DreamLookup::titlesOfCategoryName(AdoData, category, titles))
        return;
    ComboBoxXX->addItems(titles);
    ComboBoxXX->setCurrentIndex(-1);
    ComboBoxXX->setEditText(shown);
}

void TFrmheartJx::ComboBoxXXClick()
{
    if (ComboBoxXX->currentIndex() < 0)
        return;
    const QString title = trimText(ComboBoxXX->currentText());
    ShowMomeDateT(title, 0);
    m_currentTitle = title;
}

void TFrmheartJx::RzBitBtn1Click()
{
    const QString text = trimText(EditCode->text());
    if (text.isEmpty())
        return;
    m_currentTitle = text;
    ShowMomeDateT(text, RzRadioButton1->isChecked() ? 0 : 1);
}

void TFrmheartJx::ShowMomeDateT(const QString &text, int mode)
{
    DreamLookup::SearchResult result;
    const auto searchMode = mode == 0 ? DreamLookup::SearchMode::Exact : DreamLookup::SearchMode::Substring;
    if (!DreamLookup::search(AdoData, text, searchMode, result))
        return;
    RzMemo1->clear();
    if (result.rows == 0) {
        ShowInfoMsg(DreamLookup::notFoundMessage);
        return;
    }
    if (searchMode == DreamLookup::SearchMode::Substring && result.rows > 1)
        ShowInfoMsg(DreamLookup::countMessage(result.rows));
    setTextAreaLines(RzMemo1, result.lines);
    QTextCursor cursor = RzMemo1->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::StartOfBlock);
    RzMemo1->setTextCursor(cursor);
}

void TFrmheartJx::RzBitBtn2Click()
{
    SaveDialog1.save(m_currentTitle, textAreaLines(RzMemo1));
}

void TFrmheartJx::RzBitBtn3Click()
{
    RzMemo1->viewport()->update();
    printing().printText(windowTitle(), RzMemo1->toPlainText());
}

void TFrmheartJx::RzBitBtn4Click()
{
    close();
}

void TFrmheartJx::closeEvent(QCloseEvent *event)
{
    event->accept();
    FrmheartJx = nullptr;
}
