#pragma once

#include "app/Banner.h"

#include <QMainWindow>
#include <QPointer>

class GradientPanel;
class QAction;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QTimer;
class QToolButton;
class QPushButton;
class BannerView;
class SkinEngine;

class TFrmmain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFrmmain(QWidget *parent = nullptr);
    ~TFrmmain() override;

    QFrame *RzPanel2 = nullptr;
    QLabel *Image2 = nullptr;
    GradientPanel *Paneleft = nullptr;
    QFrame *RzPanel1 = nullptr;
    QLabel *Image1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QTimer *Timer1 = nullptr;
    BannerView *EmbeddedWB2 = nullptr;
    SkinEngine *SkinData1 = nullptr;
    QLabel *StatusPanel0 = nullptr;
    QLabel *StatusPanel1 = nullptr;
    // Shown only when dream.dll cannot be read at start-up.
    QLabel *StatusPanel2 = nullptr;

    QToolButton *RzBitBtn1 = nullptr;
    QToolButton *RzBitBtn2 = nullptr;
    QToolButton *RzBitBtn3 = nullptr;
    QToolButton *RzBitBtn4 = nullptr;
    QToolButton *RzBitBtn5 = nullptr;
    QToolButton *RzBitBtn6 = nullptr;
    QToolButton *RzBitBtn7 = nullptr;
    QToolButton *RzBitBtn8 = nullptr;
    QToolButton *RzBitBtn10 = nullptr;
    QPushButton *RzBitBtn11 = nullptr;
    QPushButton *RzBitBtn12 = nullptr;
    QPushButton *RzBitBtn13 = nullptr;

    // Menu commands.
    void N1Click();
    void N5Click();
    void N7Click();
    void N8Click();
    void N9Click();
    void Q1Click();
    void N11Click();
    void q2Click();
    void X1Click();
    void N15Click();
    void R1Click();
    void K1Click();
    void H2Click();
    void G1Click();
    void RzBitBtn10Click();

    // Ends the run; the exit confirmation decides when.
    void terminate();
    bool terminating() const { return m_terminating; }

    void FormCreate();
    void FormShow();
    void Timer1Timer();
    QString GetBannerField(int kind, int line) const { return m_banner.GetBannerField(kind, line); }
    const BannerRotation &banner() const { return m_banner; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPanels();
    void buildMenu();
    QToolButton *addCommandButton(const char *name, const QString &caption, int picture, int left, int top);
    QPushButton *addRecommendButton(const char *name, const QString &caption, int top);

    void openHomePage();
    void showDatabaseProblem();

    bool m_terminating = false;
    bool m_shown = false;
    int m_tickInterval = 1000;
    BannerRotation m_banner;
};

extern QPointer<TFrmmain> Frmmain;

// Replaces a feature window: the old instance is destroyed at once, without
// its close handler, and a fresh one is created and stored in the reference.
template <class Window>
Window *replaceWindow(QPointer<Window> &reference)
{
    delete reference.data();
    reference = new Window();
    return reference.data();
}
