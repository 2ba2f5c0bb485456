#include "app/BannerFetch.h"
#include "app/BannerView.h"
#include "app/EndMsg.h"
#include "app/Fonts.h"
#include "app/Settings.h"
#include "app/SkinEngine.h"
#include "app/StartPage.h"
#include "app/Uabout.h"
#include "app/Unt_servers.h"
#include "app/Untmain.h"
#include "app/Translations.h"
#include "app/Untshez.h"
#include "data/GbkText.h"
#include "data/uShare.h"
#include "widgets/Placement.h"
#include "support/Fixture.h"
#include "support/RecordingPlatform.h"
#include "HttpTestServer.h"

#include "Addresses.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

// Answers the exit dialog once it runs modally.
void answerExitDialog(std::function<void(TFrmMsG *)> answer)
{
    QTimer::singleShot(0, [answer] {
        QTRY_VERIFY(FrmMsG && FrmMsG->isVisible());
        answer(FrmMsG.data());
    });
}

void clickYes(TFrmMsG *dialog) { dialog->Button1->click(); }
void clickNo(TFrmMsG *dialog) { dialog->Button2->click(); }

// The captions of a dialog's labels and buttons.
QStringList visibleTexts(QWidget *dialog)
{
    QStringList texts;
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        texts << button->text();
    for (QLabel *label : dialog->findChildren<QLabel *>())
        texts << label->text();
    texts.removeAll(QString());
    return texts;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ShellWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startupSettings_data();
    void startupSettings();
    void settingsWindowOpens();
    void settingsSave_data();
    void settingsSave();
    void settingsUnwritable();
    void settingsSaveSurvivesABareCR();
    void settingsCloseDestroys();
    void unskinnedControlsKeepTheirLook();
    void skinEngineActiveFlag();

    void exitWays_data();
    void exitWays();
    void exitWritesTheStartPageStore();
    void exitDialog_data();
    void exitDialog();
    void exitDialogStaysOpenWhenTheWriteFails();
    void exitDialogReadFailure();
    void exitDialogIgnoresEscape();

    void bannerOnStartup();
    void bannerOffShowsThePicture();

    void informationWindows();
    void qtDialogsSpeakChinese();
    void chineseWhereNoLanguageIsSet_data();
    void chineseWhereNoLanguageIsSet();

private:
    void writeSettings(const QByteArray &bytes)
    {
        QFile file(settingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    TFrmmain *openMain()
    {
        Frmmain = new TFrmmain;
        Frmmain->show();
        return Frmmain.data();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordingPlatform> m_platform;
};

void ShellWindowsTest::initTestCase()
{
    installFontSubstitutes();
}

void ShellWindowsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    setAppPath(m_dir->path());
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("skin")));
    const QDir skins(sourceTreePath(QStringLiteral("assets/skin")));
    for (const QString &name : skins.entryList(QDir::Files))
        QVERIFY(QFile::copy(skins.filePath(name), m_dir->filePath(QStringLiteral("skin/") + name)));
    QFile::copy(sourceTreePath(QStringLiteral("assets/teler.dll")), settingsFilePath());
    m_platform = std::make_unique<RecordingPlatform>();
}

void ShellWindowsTest::cleanup()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->parentWidget())
            windows << window;
    }
    for (const QPointer<QWidget> &window : std::as_const(windows))
        delete window.data();
    m_platform.reset();
    setAppPath({});
    m_dir.reset();
}

void ShellWindowsTest::startupSettings_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("skinFile");
    QTest::addColumn<QString>("error");

    QTest::newRow("shipped default") << QByteArray("[Self_Reg]\r\nskin=0\r\ntite=\r\n") << "Velmora"
                                     << "skin/mxskin24.dll" << "";
    QTest::newRow("caption and skin") << toGbk(QStringLiteral("[Self_Reg]\r\nskin=3\r\ntite= 梦之书 \r\n")) << "梦之书"
                                      << "skin/mxskin56.dll" << "";
    QTest::newRow("typed text saved: built-in skin") << QByteArray("[Self_Reg]\r\nskin=-1\r\ntite=T\r\n") << "T" << ""
                                                     << "";
    QTest::newRow("index without a file") << QByteArray("[Self_Reg]\r\nskin=9\r\n") << "Velmora" << "" << "";
    QTest::newRow("missing file") << QByteArray() << "Velmora" << "" << "'' is not a valid integer value";
    QTest::newRow("not a number stops before the caption")
        << QByteArray("[Self_Reg]\r\nskin=blue\r\ntite=T\r\n") << "Velmora" << ""
        << "'blue' is not a valid integer value";
}

void ShellWindowsTest::startupSettings()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, caption);
    QFETCH(QString, skinFile);
    QFETCH(QString, error);
    QFile::remove(settingsFilePath());
    if (!settings.isNull())
        writeSettings(settings);
    TFrmmain *main = openMain();
    QCOMPARE(main->windowTitle(), caption);
    if (skinFile.isEmpty()) {
        QCOMPARE(main->SkinData1->skinFile(), QString());
        QCOMPARE(qApp->styleSheet(), SkinEngine::builtInSkin());
    } else {
        QCOMPARE(main->SkinData1->skinFile(), GetAppPath() + skinFile);
        QCOMPARE(qApp->styleSheet(), QString::fromUtf8(fileBytes(GetAppPath() + skinFile)));
    }
    QVERIFY(main->SkinData1->active());
    if (error.isEmpty()) {
        QVERIFY(m_platform->messages.isEmpty());
    } else {
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages.at(0).text, error);
        QCOMPARE(m_platform->messages.at(0).icon, MessageIcon::Error);
    }
}

void ShellWindowsTest::settingsWindowOpens()
{
    writeSettings(toGbk(QStringLiteral("[Self_Reg]\r\nskin=4\r\ntite=我的标题\r\n")));
    TFrmmain *main = openMain();
    main->N5Click();
    QVERIFY(Frmshez);
    QPointer<TFrmshez> first = Frmshez;
    QCOMPARE(Frmshez->RzEdit1->text(), QStringLiteral("我的标题"));
    // The list opens on the first entry even while another skin is in use.
    QCOMPARE(Frmshez->RzComboBox1->currentText(), QStringLiteral("默认风格"));
    QCOMPARE(Frmshez->RzComboBox1->count(), 5);
    QCOMPARE(Frmshez->pos() - main->pos(), QPoint(384, 246) - designedMainPosition);
    main->N5Click();
    QVERIFY(!first);
    QVERIFY(Frmshez);
}

void ShellWindowsTest::settingsSave_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("skinText"); // chosen or typed into the list
    QTest::addColumn<QString>("shownCaption");
    QTest::addColumn<QString>("skinFile");
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("caption and skin") << " 解梦 " << "蓝色风情" << "解梦" << "skin/mxp1.dll"
                                      << toGbk(QStringLiteral("[Self_Reg]\r\nskin=1\r\ntite=解梦\r\n"));
    QTest::newRow("empty caption keeps the title") << "  " << "飞扬天空" << "Velmora" << "skin/mxp2.dll"
                                                   << QByteArray("[Self_Reg]\r\nskin=4\r\ntite=\r\n");
    QTest::newRow("typed text stores -1, skin stays") << "" << "我的皮肤" << "Velmora" << "skin/mxp3.dll"
                                                      << QByteArray("[Self_Reg]\r\nskin=-1\r\ntite=\r\n");
    QTest::newRow("untouched list goes back to skin 0") << "" << "" << "Velmora" << "skin/mxskin24.dll"
                                                        << QByteArray("[Self_Reg]\r\nskin=0\r\ntite=\r\n");
}

void ShellWindowsTest::settingsSave()
{
    QFETCH(QString, caption);
    QFETCH(QString, skinText);
    QFETCH(QString, shownCaption);
    QFETCH(QString, skinFile);
    QFETCH(QByteArray, stored);
    writeSettings("[Self_Reg]\r\nskin=2\r\ntite=\r\n");
    TFrmmain *main = openMain();
    main->N5Click();
    Frmshez->RzEdit1->setText(caption);
    if (!skinText.isEmpty())
        Frmshez->RzComboBox1->setEditText(skinText);
    Frmshez->RzBitBtn2->click();
    QCOMPARE(main->windowTitle(), shownCaption);
    QCOMPARE(main->SkinData1->skinFile(), GetAppPath() + skinFile);
    QCOMPARE(fileBytes(settingsFilePath()), stored);
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(Frmshez && Frmshez->isVisible());
    QCOMPARE(QApplication::applicationName(), QStringLiteral("tst_shellwindows"));
}

void ShellWindowsTest::settingsUnwritable()
{
    TFrmmain *main = openMain();
    QVERIFY(QFile::remove(settingsFilePath()));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("teler.dll")));
    main->N5Click();
    Frmshez->RzEdit1->setText(QStringLiteral("新标题"));
    Frmshez->RzComboBox1->setCurrentIndex(3);
    Frmshez->RzBitBtn2->click();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.at(0).text,
             QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(settingsFilePath()));
    // Applied for this run all the same.
    QCOMPARE(main->windowTitle(), QStringLiteral("新标题"));
    QCOMPARE(main->SkinData1->skinFile(), GetAppPath() + QStringLiteral("skin/mxskin56.dll"));
}

void ShellWindowsTest::settingsSaveSurvivesABareCR()
{
    // Its last line ends in a bare CR: the saved caption must not join it.
    writeSettings("[Self_Reg]\r\nskin=2\r");
    TFrmmain *main = openMain();
    main->N5Click();
    Frmshez->RzEdit1->setText(QStringLiteral("梦之书"));
    Frmshez->RzComboBox1->setCurrentIndex(2);
    Frmshez->RzBitBtn2->click();
    delete main;
    delete Frmshez.data();

    main = openMain();
    QVERIFY2(m_platform->messages.isEmpty(), qPrintable(m_platform->messages.value(0).text));
    QCOMPARE(main->windowTitle(), QStringLiteral("梦之书"));
    QCOMPARE(main->SkinData1->skinFile(), GetAppPath() + QStringLiteral("skin/mxp3.dll"));
}

void ShellWindowsTest::settingsCloseDestroys()
{
    TFrmmain *main = openMain();
    main->N5Click();
    Frmshez->RzBitBtn4->click();
    QTRY_VERIFY(!Frmshez);
}

void ShellWindowsTest::unskinnedControlsKeepTheirLook()
{
    TFrmmain *main = openMain();
    for (int skin = 0; skin < 5; ++skin) {
        main->SkinData1->setSkinFile(skinFileOf(skin));
        QCOMPARE(main->RzBitBtn1->property("tag").toInt(), unskinnedTag);
        const QImage face = main->RzBitBtn1->grab().toImage();
        QCOMPARE(face.pixelColor(4, face.height() / 2), QColor(244, 244, 240));
        QCOMPARE(main->RzBitBtn11->grab().toImage().pixelColor(2, 11), QColor(244, 244, 240));
    }
}

void ShellWindowsTest::skinEngineActiveFlag()
{
    SkinEngine engine;
    QCOMPARE(qApp->styleSheet(), SkinEngine::builtInSkin());
    QVERIFY(!SkinEngine::builtInSkin().isEmpty());
    engine.setActive(false);
    QCOMPARE(qApp->styleSheet(), QString());
    // Loaded while inactive, shown once activated.
    QVERIFY(engine.setSkinFile(skinFileOf(1)));
    QCOMPARE(qApp->styleSheet(), QString());
    engine.setActive(true);
    QCOMPARE(qApp->styleSheet(), QString::fromUtf8(fileBytes(skinFileOf(1))));
    // A missing file or a folder leaves the current skin.
    QVERIFY(QFile::remove(skinFileOf(2)));
    QVERIFY(!engine.setSkinFile(skinFileOf(2)));
    QVERIFY(!engine.setSkinFile(skinFileOf(-1)));
    QCOMPARE(engine.skinFile(), skinFileOf(1));
    QCOMPARE(qApp->styleSheet(), QString::fromUtf8(fileBytes(skinFileOf(1))));
}

void ShellWindowsTest::exitWays_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("ldbKept");

    QTest::newRow("menu, yes keeps Cnon.ldb") << "menu" << true << true;
    QTest::newRow("menu, no") << "menu" << false << true;
    QTest::newRow("button, yes deletes Cnon.ldb") << "button" << true << false;
    QTest::newRow("button, no") << "button" << false << true;
    QTest::newRow("frame, yes deletes Cnon.ldb") << "frame" << true << false;
    QTest::newRow("frame, no keeps the window open") << "frame" << false << true;
}

void ShellWindowsTest::exitWays()
{
    QFETCH(QString, way);
    QFETCH(bool, yes);
    QFETCH(bool, ldbKept);
    const QString ldb = GetAppPath() + QStringLiteral("Cnon.ldb");
    QFile lock(ldb);
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.close();
    TFrmmain *main = openMain();
    m_platform->startPage = QStringLiteral("http://somewhere.example/");

    answerExitDialog(yes ? clickYes : clickNo);
    bool closed = false;
    if (way == QLatin1String("menu"))
        main->N7Click();
    else if (way == QLatin1String("button"))
        main->RzBitBtn10->click();
    else
        closed = main->close();

    QCOMPARE(QFile::exists(ldb), ldbKept);
    QCOMPARE(main->terminating(), yes);
    QCOMPARE(m_platform->opened, yes ? QStringList{QString::fromUtf8(Addresses::homeUrl)} : QStringList());
    QCOMPARE(m_platform->startPageWrites, yes ? QStringList{portalAddress()} : QStringList());
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(!FrmMsG);
    if (way == QLatin1String("frame")) {
        QCOMPARE(closed, yes);
        QCOMPARE(main->isVisible(), !yes);
    }
    if (yes) {
        // Once terminating, the frame closes without asking again.
        QVERIFY(main->close());
    }
}

void ShellWindowsTest::exitWritesTheStartPageStore()
{
    StartPageFile store(m_dir->filePath(QStringLiteral("config/user-registry")));
    setStartPageStore(&store);
    TFrmmain *main = openMain();
    answerExitDialog(clickYes);
    main->RzBitBtn10->click();
    setStartPageStore(m_platform.get());
    QString page;
    QString error;
    QVERIFY(store.read(page, error));
    QCOMPARE(page, portalAddress());
    QVERIFY(main->terminating());
}

void ShellWindowsTest::exitDialog_data()
{
    QTest::addColumn<QString>("homePage");
    QTest::addColumn<bool>("boxShown");
    QTest::addColumn<bool>("uncheck");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("written");

    const QString portal = portalAddress();
    QTest::newRow("portal already: no box, nothing written") << portal << false << false << true << false;
    QTest::newRow("portal with blanks counts as the portal") << "  " + portal + " " << false << false << true << false;
    QTest::newRow("letter case differs: box shown") << portal.toUpper() << true << false << true << true;
    QTest::newRow("other page, yes writes") << "http://other.example/" << true << false << true << true;
    QTest::newRow("unchecked, yes leaves it") << "http://other.example/" << true << true << true << false;
    QTest::newRow("checked, no writes nothing") << "http://other.example/" << true << false << false << false;
    QTest::newRow("empty home page") << "" << true << false << true << true;
}

void ShellWindowsTest::exitDialog()
{
    QFETCH(QString, homePage);
    QFETCH(bool, boxShown);
    QFETCH(bool, uncheck);
    QFETCH(bool, yes);
    QFETCH(bool, written);
    m_platform->startPage = homePage;
    TFrmMsG dialog;
    dialog.show();
    QCOMPARE(dialog.CheckBox1->isVisible(), boxShown);
    QCOMPARE(dialog.CheckBox1->isChecked(), boxShown);
    QVERIFY(dialog.Button1->hasFocus() || !dialog.isActiveWindow());
    if (uncheck)
        dialog.CheckBox1->click();
    (yes ? dialog.Button1 : dialog.Button2)->click();
    QCOMPARE(dialog.ExitOK, yes);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_platform->startPageWrites, written ? QStringList{portalAddress()} : QStringList());
    QVERIFY(m_platform->messages.isEmpty());
}

void ShellWindowsTest::exitDialogStaysOpenWhenTheWriteFails()
{
    m_platform->startPageWriteError = QStringLiteral("Failed to set data for 'Start Page'");
    TFrmMsG dialog;
    dialog.show();
    dialog.Button1->click();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.at(0).text, QStringLiteral("Failed to set data for 'Start Page'"));
    QVERIFY(!dialog.ExitOK);
    QVERIFY(dialog.isVisible());
    // The user unchecks the box and answers again.
    dialog.CheckBox1->click();
    dialog.Button1->click();
    QVERIFY(dialog.ExitOK);
    QVERIFY(!dialog.isVisible());

    // Through ConfirmExit, a failed write and then "否" gives no exit.
    answerExitDialog([](TFrmMsG *shown) {
        shown->Button1->click();
        QVERIFY(shown->isVisible());
        shown->Button2->click();
    });
    QVERIFY(!ConfirmExit());
}

void ShellWindowsTest::exitDialogReadFailure()
{
    m_platform->startPageReadError = QStringLiteral("Invalid data type for 'Start Page'");
    TFrmMsG dialog;
    dialog.show();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.at(0).text, QStringLiteral("Invalid data type for 'Start Page'"));
    QVERIFY(dialog.CheckBox1->isVisible());
    QVERIFY(dialog.CheckBox1->isChecked());
}

void ShellWindowsTest::exitDialogIgnoresEscape()
{
    answerExitDialog([](TFrmMsG *shown) {
        QTest::keyClick(shown, Qt::Key_Escape);
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->windowFlags() & Qt::WindowCloseButtonHint, Qt::WindowFlags());
        shown->Button2->click();
    });
    QVERIFY(!ConfirmExit());
}

void ShellWindowsTest::bannerOnStartup()
{
    HttpTestServer server;
    server.replies[bannerListPath] = {200, "head\r\n1>0>http://a.example/\r\n1>5>http://b.example/\r\n", false, {}};
    server.replies[bannerFlagPath] = {200, "01", false, {}};
    HttpBannerSource source(server.url());
    setBannerSource(&source);
    TFrmmain *main = openMain();
    setBannerSource(nullptr);
    QCOMPARE(main->Memo1->toPlainText(), QStringLiteral("head\n1>0>http://a.example/\n1>5>http://b.example/\n"));
    QCOMPARE(main->banner().BannerOn, 1);
    QCOMPARE(main->banner().BannerLast, 2);
    QCOMPARE(main->EmbeddedWB2->geometry(), QRect(-12, -16, 803, 107));
    QVERIFY(main->Timer1->isActive());
    main->Timer1Timer();
    QCOMPARE(main->EmbeddedWB2->address(), QStringLiteral("http://a.example/"));
    // A display time of 0 stops the timer: that page stays.
    QVERIFY(!main->Timer1->isActive());
}

void ShellWindowsTest::bannerOffShowsThePicture()
{
    TFrmmain *main = openMain();
    QCOMPARE(main->banner().BannerOn, 0);
    QCOMPARE(main->EmbeddedWB2->y(), -200);
    QVERIFY(!main->EmbeddedWB2->isVisible());
    QVERIFY(main->Image2->isVisible());
    QTest::mouseClick(main->Image2, Qt::LeftButton);
    main->RzBitBtn12->click();
    main->RzBitBtn13->click();
    QCOMPARE(m_platform->opened,
             (QStringList{QString::fromUtf8(Addresses::product1Url), QString::fromUtf8(Addresses::product2Url),
                          QString::fromUtf8(Addresses::product3Url)}));
    main->Timer1Timer();
    QVERIFY(main->EmbeddedWB2->address().isEmpty());
}

void ShellWindowsTest::informationWindows()
{
    TFrmmain *main = openMain();
    main->G1Click();
    QPointer<TAbout> about = About;
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("关于系统"));
    QCOMPARE(about->pos() - main->pos(), QPoint(426, 337) - designedMainPosition);
    for (QLabel *text : about->findChildren<QLabel *>()) {
        QVERIFY2(text->geometry().right() < about->width(), qPrintable(text->objectName()));
        if (!text->text().isEmpty() && !text->wordWrap())
            QVERIFY2(text->sizeHint().width() <= text->width(), qPrintable(text->objectName()));
    }
    QTest::mouseClick(about->RzURLLabel1, Qt::LeftButton);
    QCOMPARE(m_platform->opened, QStringList{QStringLiteral("mailto:") + QString::fromUtf8(Addresses::contactEmail)});
    about->close();
    QVERIFY(about && about->isHidden());
    main->G1Click();
    QVERIFY(!about);
    QVERIFY(About);

    main->K1Click();
    QPointer<TFrm_servers> service = Frm_servers;
    QVERIFY(service && service->isVisible());
    QCOMPARE(service->windowTitle(), QStringLiteral("客户服务"));
    for (QLabel *text : service->findChildren<QLabel *>()) {
        QVERIFY2(text->geometry().right() < service->RzPanel1->width(), qPrintable(text->objectName()));
        if (text->wordWrap())
            QVERIFY2(text->heightForWidth(text->width()) <= text->height(), qPrintable(text->objectName()));
    }
    QVERIFY(service->Label5->text().endsWith(QString::fromUtf8(Addresses::contactPhone)));
    service->close();
    QVERIFY(service && service->isHidden());
    main->K1Click();
    QVERIFY(!service);
}

// Message boxes, the save dialog and the printer dialogs use Qt's own texts.
void ShellWindowsTest::qtDialogsSpeakChinese()
{
    QVERIFY(installChineseTranslations());

    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), QStringLiteral("正文"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));

    QFileDialog save(nullptr, QStringLiteral("保存"));
    save.setOption(QFileDialog::DontUseNativeDialog);
    save.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList texts = visibleTexts(&save);
    for (const char *text : {"保存(&S)", "取消", "文件名称(&N)：", "文件类型："})
        QVERIFY2(texts.contains(QString::fromUtf8(text)), qPrintable(texts.join(QLatin1Char('|'))));

    // Kinds the Chinese catalogue of Qt lacks.
    QCOMPARE(QFileIconProvider().type(QFileInfo(m_dir->path())), QStringLiteral("文件夹"));

    QPrinter printer;
    QPrintDialog print(&printer);
    QCOMPARE(print.windowTitle(), QStringLiteral("打印"));
    const QStringList printTexts = visibleTexts(&print);
    for (const char *text : {"打印(&P)", "取消", "属性(&R)", "份数："})
        QVERIFY2(printTexts.contains(QString::fromUtf8(text)), qPrintable(printTexts.join(QLatin1Char('|'))));
}

void ShellWindowsTest::chineseWhereNoLanguageIsSet_data()
{
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("expectedLang");
    QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray("zh_CN.UTF-8");
    QTest::newRow("C") << QByteArray("C") << QByteArray() << QByteArray("zh_CN.UTF-8");
    QTest::newRow("C.UTF-8") << QByteArray("C.UTF-8") << QByteArray("POSIX") << QByteArray("zh_CN.UTF-8");
    QTest::newRow("the user's language") << QByteArray("en_GB.UTF-8") << QByteArray() << QByteArray("en_GB.UTF-8");
    QTest::newRow("LC_ALL names one") << QByteArray() << QByteArray("de_DE.UTF-8") << QByteArray();
}

void ShellWindowsTest::chineseWhereNoLanguageIsSet()
{
    QFETCH(QByteArray, lang);
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, expectedLang);
    const QByteArray savedLang = qgetenv("LANG");
    const QByteArray savedAll = qgetenv("LC_ALL");
    const QByteArray savedMessages = qgetenv("LC_MESSAGES");
    auto set = [](const char *name, const QByteArray &value) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    set("LANG", lang);
    set("LC_ALL", lcAll);
    qunsetenv("LC_MESSAGES");
    preferChineseWhereNoLanguageIsSet();
    const QByteArray resultLang = qgetenv("LANG");
    const QByteArray resultAll = qgetenv("LC_ALL");
    set("LANG", savedLang);
    set("LC_ALL", savedAll);
    set("LC_MESSAGES", savedMessages);
    QCOMPARE(resultLang, expectedLang);
    if (expectedLang == "zh_CN.UTF-8")
        QVERIFY(resultAll.isEmpty());
    else
        QCOMPARE(resultAll, lcAll);
}

QTEST_MAIN(ShellWindowsTest)
#include "tst_shellwindows.moc"
