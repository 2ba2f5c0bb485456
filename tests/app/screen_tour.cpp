// Not a test: opens every window as a user would, on a real display, and saves
// pictures of the whole screen and of each window for a look by eye and for the
// help page:
//     xvfb-run -a -s "-screen 0 1280x1024x24" screen_tour <output folder>
#include "app/DesktopPlatform.h"
#include "app/EndMsg.h"
#include "app/Settings.h"
#include "app/SkinEngine.h"
#include "app/Translations.h"
#include "app/Uabout.h"
#include "app/Unt_servers.h"
#include "app/Untmain.h"
#include "app/Untshez.h"
#include "calendar/DateWin.h"
#include "dream/DreamSearchWindow.h"
#include "dream/Untheart.h"
#include "dream/Unthearjx.h"
#include "dream/Untmomo.h"
#include "fortune/Ulove.h"
#include "fortune/Unt_sjcs.h"
#include "fortune/Untgz.h"
#include "fortune/Untxingz.h"
#include "support/PictureRun.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {

QString outputFolder;

void settle()
{
    QTest::qWait(400);
}

QPixmap screenPicture()
{
    return QGuiApplication::primaryScreen()->grabWindow(0);
}

void saveScreen(const QString &name)
{
    settle();
    screenPicture().save(outputFolder + QLatin1Char('/') + name + QStringLiteral(".png"));
    std::printf("%s.png\n", qPrintable(name));
}

// A window as it stands on the screen, frame and all.
void saveWindow(QWidget *window, const QString &name)
{
    settle();
    screenPicture().copy(window->frameGeometry()).save(outputFolder + QStringLiteral("/window-") + name
                                                        + QStringLiteral(".png"));
}

// Runs a command that opens a modal dialog; takes the screen while it is open,
// then closes the dialog.
void whileModal(const std::function<void()> &command, const QString &name)
{
    QTimer::singleShot(800, [name] {
        saveScreen(name);
        if (QWidget *modal = QApplication::activeModalWidget()) {
            saveWindow(modal, name);
            modal->close();
        }
    });
    command();
    settle();
}

void pick(QComboBox *list, const QString &text)
{
    list->setCurrentIndex(list->findText(text));
}

} // namespace

int main(int argc, char **argv)
{
    preferChineseWhereNoLanguageIsSet();
    QApplication app(argc, argv);
    outputFolder = startPictureRun(argc, argv);
    DesktopPlatform platform;

    Frmmain = new TFrmmain;
    Frmmain->show();
    settle();
    for (int skin = 4; skin >= 0; --skin) {
        Frmmain->SkinData1->setSkinFile(skinFileOf(skin));
        saveScreen(QStringLiteral("main-skin%1").arg(skin));
    }
    saveWindow(Frmmain, QStringLiteral("main"));

    Frmmain->Q1Click();
    Frmbook->TreeView->setCurrentItem(Frmbook->TreeView->topLevelItem(0)->child(0));
    Frmbook->TreeViewClick();
    saveScreen(QStringLiteral("book"));
    saveWindow(Frmbook, QStringLiteral("book"));
    Frmbook->close();

    Frmmain->N8Click();
    saveWindow(Frmmain, QStringLiteral("legends"));
    Frmmain->resize(Frmmain->width() + 160, Frmmain->height() + 120);
    saveScreen(QStringLiteral("legends-resized"));
    Frmmain->Q1Click();
    Frmbook->close();
    Frmmain->Paneleft->hide();
    saveScreen(QStringLiteral("legends-without-left-panel"));
    Frmmain->Paneleft->show();
    Frmmomo->close();
    Frmmain->resize(Frmmain->width() - 160, Frmmain->height() - 120);

    Frmmain->N17Click();
    settle();
    FrmDreamSearch->findChild<QLineEdit *>(QStringLiteral("EditSearch"))->setText(QStringLiteral("梦见一条白蛇缠住我的腿"));
    FrmDreamSearch->SearchNow();
    FrmDreamSearch->OpenSelected();
    saveScreen(QStringLiteral("search"));
    saveWindow(FrmDreamSearch, QStringLiteral("search"));
    FrmDreamSearch->close();

    Frmmain->N9Click();
    settle();
    FrmheartJx->EditCode->setText(QStringLiteral("蛇"));
    FrmheartJx->RzRadioButton2->setChecked(true);
    whileModal([] { FrmheartJx->RzBitBtn1Click(); }, QStringLiteral("message-box"));
    saveScreen(QStringLiteral("analysis"));
    saveWindow(FrmheartJx, QStringLiteral("analysis"));
    whileModal([] { FrmheartJx->RzBitBtn2Click(); }, QStringLiteral("save-dialog"));
    whileModal([] { Frmmain->N1Click(); }, QStringLiteral("printer-setup"));
    FrmheartJx->close();

    Frmmain->R1Click();
    FRM_Date->CurrentDate = QDate(2025, 2, 12);
    FRM_Date->FormShow();
    saveScreen(QStringLiteral("calendar-2025-02"));
    saveWindow(FRM_Date, QStringLiteral("calendar"));
    FRM_Date->close();

    Frmmain->N11Click();
    Frm_SJcs->edtmun->setText(QStringLiteral("18612341234"));
    Frm_SJcs->RzBitBtn1Click();
    saveScreen(QStringLiteral("phone"));
    saveWindow(Frm_SJcs, QStringLiteral("phone"));
    Frm_SJcs->close();

    Frmmain->q2Click();
    pick(Frmgzfx->ComboBoxyear, QStringLiteral("1984"));
    pick(Frmgzfx->ComboBoxmonth, QStringLiteral("九"));
    pick(Frmgzfx->ComboBoxday, QStringLiteral("十八"));
    pick(Frmgzfx->ComboBoxtime, QStringLiteral("23"));
    Frmgzfx->RzBitBtn1Click();
    saveScreen(QStringLiteral("bone"));
    saveWindow(Frmgzfx, QStringLiteral("bone"));
    Frmgzfx->FormShow();
    Frmgzfx->ComboBoxyear->showPopup();
    saveScreen(QStringLiteral("bone-year-list"));
    Frmgzfx->ComboBoxyear->hidePopup();
    Frmgzfx->close();

    Frmmain->X1Click();
    pick(Frm_xzhuo->ComboBoxDL, QStringLiteral("天蝎座"));
    pick(Frm_xzhuo->ComboBoxXX, QStringLiteral("双鱼座"));
    Frm_xzhuo->RzBitBtn1Click();
    saveScreen(QStringLiteral("pairing"));
    saveWindow(Frm_xzhuo, QStringLiteral("pairing"));
    Frm_xzhuo->close();

    Frmmain->N15Click();
    frmlove->eYourName->setText(QStringLiteral("王小明"));
    frmlove->eOtherName->setText(QStringLiteral("李丽"));
    frmlove->btncountClick();
    saveScreen(QStringLiteral("love"));
    saveWindow(frmlove, QStringLiteral("love"));
    frmlove->close();

    Frmmain->N5Click();
    saveScreen(QStringLiteral("settings"));
    saveWindow(Frmshez, QStringLiteral("settings"));
    Frmshez->close();
    Frmmain->G1Click();
    saveScreen(QStringLiteral("about"));
    saveWindow(About, QStringLiteral("about"));
    About->close();
    Frmmain->K1Click();
    saveScreen(QStringLiteral("service"));
    saveWindow(Frm_servers, QStringLiteral("service"));
    Frm_servers->close();
    QTimer::singleShot(800, [] {
        saveScreen(QStringLiteral("exit-dialog"));
        if (FrmMsG) {
            saveWindow(FrmMsG, QStringLiteral("exit"));
            FrmMsG->Button2->click();
        }
    });
    ConfirmExit();

    delete Frmmain.data();
    return 0;
}
