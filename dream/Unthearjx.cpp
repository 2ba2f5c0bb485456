#include "dream/Unthearjx.h"

#include "data/uShare.h"
#include "dream/DreamLookup.h"
#include "widgets/Controls.h"
#include "widgets/Placement.h"
#include "widgets/TextArea.h"

#include <QCloseEvent>

QPointer<TFrmheartJx> FrmheartJx;

TFrmheartJx::TFrmheartJx(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setupUi(this);
    applyPixelSizes(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ComboBoxDL->installEventFilter(this);
    connect(ComboBoxXX, &QComboBox::activated, this, &TFrmheartJx::ComboBoxXXClick);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TFrmheartJx::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TFrmheartJx::RzBitBtn2Click);
    connect(RzBitBtn3, &QPushButton::clicked, this, &TFrmheartJx::RzBitBtn3Click);
    connect(RzBitBtn4, &QPushButton::clicked, this, &TFrmheartJx::RzBitBtn4Click);
    placeAsDesigned(this, {403, 310});
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
    saveTextArea(SaveDialog1, m_currentTitle, RzMemo1);
}

void TFrmheartJx::RzBitBtn3Click()
{
    printTextArea(RzMemo1, windowTitle());
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
