#pragma once

#include "app/Banner.h"
#include "ui_Untmain.h"

#include <QMainWindow>
#include <QPointer>

class QLabel;
class QTimer;
class SkinEngine;

class TFrmmain : public QMainWindow, public Ui::TFrmmain
{
    Q_OBJECT
public:
    explicit TFrmmain(QWidget *parent = nullptr);
    ~TFrmmain() override;

    QTimer *Timer1 = nullptr;
    SkinEngine *SkinData1 = nullptr;
    // Shown only when dream.dll cannot be read at start-up.
    QLabel *StatusPanel2 = nullptr;

    // Menu commands.
    void N1Click();
    void N5Click();
    void N7Click();
    void N8Click();
    void N9Click();
    void Q1Click();
    void N17Click();
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
    void openHomePage();
    void showDatabaseProblem();

    bool m_terminating = false;
    bool m_shown = false;
    int m_tickInterval = 1000;
    BannerRotation m_banner;
};

extern QPointer<TFrmmain> Frmmain;

// The page the help command opens where there is no "JMhelp.chm".
QString helpPagePath();

// Replaces a feature window: the old instance is destroyed at once, without
// its close handler, and a fresh one is created and stored in the reference.
template <class Window>
Window *replaceWindow(QPointer<Window> &reference)
{
    delete reference.data();
    reference = new Window();
    return reference.data();
}
