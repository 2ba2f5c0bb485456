#pragma once

#include "data/Query.h"
#include "data/SaveText.h"
#include "ui_Untheart.h"

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class TFrmbook : public QWidget, public Ui::TFrmbook
{
    Q_OBJECT
public:
    explicit TFrmbook(QWidget *parent = nullptr);

    QList<QPixmap> ImageList1;
    Query AdoLeft;
    Query AdoData;
    TextSaver SaveDialog1;

    const QString &currentTitle() const { return m_currentTitle; }
    // The parts of the main window hidden while the book is open; closing
    // the book shows the panel and then the picture again.
    void setHiddenParts(QWidget *panel, QWidget *picture);

    void FormShow();
    void ShowTreeDate();
    void ShowMomeDate(const QString &title);
    void TreeViewClick();
    void TreeViewChange(QTreeWidgetItem *node);
    void RzToolButton3Click();
    void RzToolButton4Click();
    void RzToolButton5Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTreeWidgetItem *selectedNode() const;
    void selectionChanged();
    QIcon nodeIcon(int normal, int selected) const;

    QString m_currentTitle;
    QPointer<QWidget> m_hiddenPanel;
    QPointer<QWidget> m_hiddenPicture;
};

extern QPointer<TFrmbook> Frmbook;
