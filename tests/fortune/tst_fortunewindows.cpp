#include "FortuneFixture.h"

#include "app/Fonts.h"
#include "data/GbkText.h"
#include "fortune/BoneWeight.h"
#include "fortune/LoveTest.h"
#include "fortune/PhoneReading.h"
#include "fortune/Ulove.h"
#include "fortune/Unt_sjcs.h"
#include "fortune/Untgz.h"
#include "fortune/Untxingz.h"
#include "support/RecordingPlatform.h"
#include "support/TabChain.h"
#include "widgets/TextArea.h"

#include "Addresses.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class FortuneWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void boneControls();
    void boneYearOfToday_data();
    void boneYearOfToday();
    void boneYearListDropsDown_data();
    void boneYearListDropsDown();
    void boneNoYear();
    void boneReading_data();
    void boneReading();
    void boneKeepsLabelsWhenDatabaseIsMissing();
    void boneCloseDestroys();

    void phoneControls();
    void phoneKeyFilter();
    void phoneEnterReads();
    void phoneReading_data();
    void phoneReading();
    void phoneRefusals_data();
    void phoneRefusals();
    void phoneKeepsLabelsWhenDatabaseIsMissing();
    void phoneCloseOnlyHides();

    void pairControls();
    void pairAndSave();
    void pairSaveFailsSilently();
    void pairSaveNeedsAPairing();
    void pairFailedAfterSuccess();
    void pairKeepsTextWhenDatabaseIsMissing();
    void pairCloseDestroys();

    void loveControls();
    void loveMissingName_data();
    void loveMissingName();
    void loveVerdict();
    void loveEnterMovesFocus();
    void loveReset();
    void loveForumLink();
    void loveCloseOnlyHides();

    void shippedTextsFit();
    void screenshots();
};

namespace {

const QString boneNote = QStringLiteral("注：骨重是通过出生时农历的年月日时辰来获得，骨重代表一个人的事业、健康、财运、福运！");
const QString phoneHint = QStringLiteral("请注意：手机号码是11位，请正确输入。");
const QString phoneFooter = QStringLiteral(
    "注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运势命运的意义是一样的。"
    "虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有人的沟通桥梁！");
const QString loveNote = QStringLiteral("注意：本软件纯属娱乐，愿天下有情人终成眷属。使用中不承担任何承担。");

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool fits(const QLabel *label, const QString &text)
{
    const QFontMetrics metrics(label->font());
    if (!label->wordWrap())
        return metrics.horizontalAdvance(text) <= label->contentsRect().width();
    const QRect needed = metrics.boundingRect(QRect(0, 0, label->contentsRect().width(), 10000),
                                              Qt::TextWordWrap, text);
    return needed.width() <= label->contentsRect().width() && needed.height() <= label->contentsRect().height();
}

QStringList shippedColumn(const QString &file, int column)
{
    QStringList values;
    const QStringList lines = shippedSource(file).split(QLatin1Char('\n'));
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines.at(i).split(QLatin1Char('\t'));
        if (fields.size() > column)
            values << fields.at(column);
    }
    return values;
}

void pick(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(box->findText(text));
    QVERIFY2(box->currentText() == text, qPrintable(text));
}

QStringList items(const QComboBox *box)
{
    QStringList result;
    for (int i = 0; i < box->count(); ++i)
        result << box->itemText(i);
    return result;
}

} // namespace

void FortuneWindowsTest::initTestCase()
{
    installFontSubstitutes();
}

void FortuneWindowsTest::cleanup()
{
    delete Frmgzfx.data();
    delete Frm_SJcs.data();
    delete Frm_xzhuo.data();
    delete frmlove.data();
    flushDeletes();
}

void FortuneWindowsTest::boneControls()
{
    FixtureProgramDir fixture;
    TFrmgzfx window;
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("骨重分析"));
    QVERIFY(window.testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!(window.windowFlags() & Qt::WindowMinMaxButtonsHint));
    QCOMPARE(window.ComboBoxyear->count(), 151);
    QCOMPARE(window.ComboBoxyear->itemText(0), QStringLiteral("1900"));
    QCOMPARE(window.ComboBoxyear->itemText(150), QStringLiteral("2050"));
    QCOMPARE(items(window.ComboBoxmonth), (QStringList{"正", "二", "三", "四", "五", "六", "七", "八", "九", "十",
                                                       "十一", "腊"}));
    QCOMPARE(window.ComboBoxday->count(), 30);
    QCOMPARE(window.ComboBoxday->itemText(0), QStringLiteral("初一"));
    QCOMPARE(window.ComboBoxday->itemText(9), QStringLiteral("初十"));
    QCOMPARE(window.ComboBoxday->itemText(20), QStringLiteral("廿一"));
    QCOMPARE(window.ComboBoxday->itemText(29), QStringLiteral("三十"));
    QCOMPARE(window.ComboBoxtime->count(), 24);
    QCOMPARE(window.ComboBoxtime->itemText(0), QStringLiteral("0"));
    QCOMPARE(window.ComboBoxtime->itemText(23), QStringLiteral("23"));
    for (QComboBox *box : {window.ComboBoxyear, window.ComboBoxmonth, window.ComboBoxday, window.ComboBoxtime})
        QVERIFY(!box->isEditable());
    QCOMPARE(window.ComboBoxmonth->currentIndex(), 0);
    QCOMPARE(window.ComboBoxday->currentIndex(), 0);
    QCOMPARE(window.ComboBoxtime->currentIndex(), 0);
    QCOMPARE(window.findChild<QPushButton *>("RzBitBtn1")->text(), QStringLiteral("测算"));
    QCOMPARE(window.findChild<QPushButton *>("RzBitBtn2")->text(), QStringLiteral("关闭"));
    QVERIFY(window.RzBitBtn1->y() < window.RzBitBtn2->y());
    QVERIFY(window.findChild<QLabel *>("RzLabel1")->text().isEmpty());
    QVERIFY(window.findChild<QLabel *>("RzLabel2")->text().isEmpty());
    QCOMPARE(window.findChild<QLabel *>("RzLabel3")->text(), boneNote);
    QCOMPARE(window.RzLabel2->palette().color(QPalette::WindowText), QColor(Qt::red));
}

void FortuneWindowsTest::boneYearOfToday_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("shown");
    QTest::newRow("first listed year") << QDate(1900, 1, 1) << "1900";
    QTest::newRow("born after 2019") << QDate(2026, 5, 1) << "2026";
    QTest::newRow("last listed year") << QDate(2050, 12, 31) << "2050";
    QTest::newRow("after the list") << QDate(2051, 1, 1) << "";
}

void FortuneWindowsTest::boneYearOfToday()
{
    QFETCH(QDate, today);
    QFETCH(QString, shown);
    FixtureProgramDir fixture;
    TFrmgzfx window;
    window.today = [today] { return today; };
    window.show();
    QCOMPARE(window.ComboBoxyear->currentText(), shown);
    QCOMPARE(window.ComboBoxyear->count(), 151);
}

// The year list drops down a dozen rows high with the chosen year among them,
// under the platform look and under every skin.
void FortuneWindowsTest::boneYearListDropsDown_data()
{
    QTest::addColumn<QString>("skin");
    QTest::newRow("no skin") << QString();
    for (const QString &file : shippedSkinFiles())
        QTest::newRow(qPrintable(file)) << file;
}

void FortuneWindowsTest::boneYearListDropsDown()
{
    QFETCH(QString, skin);
    FixtureProgramDir fixture;
    if (!skin.isEmpty())
        qApp->setStyleSheet(shippedSkinStyleSheet(skin));
    TFrmgzfx window;
    window.today = [] { return QDate(2026, 6, 1); };
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QComboBox *years = window.ComboBoxyear;
    years->showPopup();
    QAbstractItemView *list = years->view();
    QTRY_VERIFY(list->isVisible());
    const int row = list->sizeHintForRow(0);
    const QRect chosen = list->visualRect(list->currentIndex());
    const int popupHeight = list->window()->height();
    years->hidePopup();
    qApp->setStyleSheet(QString());
    QCOMPARE(years->currentText(), QStringLiteral("2026"));
    QVERIFY2(popupHeight <= row * (years->maxVisibleItems() + 2), qPrintable(QString::number(popupHeight)));
    QVERIFY(list->viewport()->rect().contains(chosen));
}

void FortuneWindowsTest::boneNoYear()
{
    RecordingPlatform platform;
    FixtureProgramDir fixture;
    QVERIFY(fixture.build(fortuneSources()));
    TFrmgzfx window;
    window.today = [] { return QDate(2051, 1, 1); };
    window.show();
    window.RzLabel2->setText(QStringLiteral("前次"));
    window.RzBitBtn1->click();
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.at(0).text, QStringLiteral("请选择年！"));
    QCOMPARE(platform.messages.at(0).caption, QStringLiteral("提示"));
    QCOMPARE(platform.messages.at(0).icon, MessageIcon::Information);
    QCOMPARE(window.RzLabel2->text(), QStringLiteral("前次"));
}

void FortuneWindowsTest::boneReading_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("verse");
    QTest::newRow("verse") << "1987" << "你的骨重为：5两" << "五两之诗";
    QTest::newRow("no verse keeps the old one") << "1986" << "" << "四两二钱之诗";
    QTest::newRow("total without a code") << "1988" << "你的骨重为：10两5钱" << "";
}

void FortuneWindowsTest::boneReading()
{
    QFETCH(QString, year);
    QFETCH(QString, line);
    QFETCH(QString, verse);
    RecordingPlatform platform;
    FixtureProgramDir fixture;
    QVERIFY(fixture.build(fortuneSources()));
    TFrmgzfx window;
    window.show();
    pick(window.ComboBoxyear, QStringLiteral("1984"));
    window.RzBitBtn1->click();
    QCOMPARE(window.RzLabel2->text(), QStringLiteral("你的骨重为：4两2钱"));
    QCOMPARE(window.RzLabel1->text(), QStringLiteral("四两二钱之诗"));

    pick(window.ComboBoxyear, year);
    window.RzBitBtn1->click();
    QCOMPARE(window.RzLabel2->text(), line);
    QCOMPARE(window.RzLabel1->text(), verse);
    QVERIFY(platform.messages.isEmpty());
}

void FortuneWindowsTest::boneKeepsLabelsWhenDatabaseIsMissing()
{
    RecordingPlatform platform;
    FixtureProgramDir fixture;
    QVERIFY(fixture.build(fortuneSources()));
    TFrmgzfx window;
    window.show();
    pick(window.ComboBoxyear, QStringLiteral("1984"));
    window.RzBitBtn1->click();
    QVERIFY(QFile::remove(fixture.databasePath()));
    pick(window.ComboBoxyear, QStringLiteral("1987"));
    window.RzBitBtn1->click();
    QCOMPARE(window.RzLabel2->text(), QStringLiteral("你的骨重为：4两2钱"));
    QCOMPARE(window.RzLabel1->text(), QStringLiteral("四两二钱之诗"));
    QVERIFY(platform.messages.isEmpty());
}

void FortuneWindowsTest::boneCloseDestroys()
{
    FixtureProgramDir fixture;
    Frmgzfx = new TFrmgzfx;
    QPointer<TFrmgzfx> window = Frmgzfx;
    window->show();
    window->RzBitBtn2->click();
    QVERIFY(Frmgzfx.isNull());
    flushDeletes();
    QVERIFY(window.isNull());
}

void FortuneWindowsTest::phoneControls()
{
    TFrm_SJcs window;
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("手机号码测算"));
    QVERIFY(!window.testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(window.edtmun->maxLength(), 11);
    QCOMPARE(window.findChild<QLabel *>("RzLabel1")->text(), QStringLiteral("输入号码："));
    QCOMPARE(window.findChild<QLabel *>("RzLabel2")->text(), phoneHint);
    QCOMPARE(window.findChild<QGroupBox *>("RzGroupBox1")->title(), QStringLiteral("测算结果"));
    QCOMPARE(window.findChild<QLabel *>("RzLabel5")->text(), QStringLiteral("手机号码是："));
    QCOMPARE(window.findChild<QLabel *>("RzLabel4")->text(), QStringLiteral("状态："));
    QCOMPARE(window.findChild<QLabel *>("RzLabel6")->text(), QStringLiteral("吉凶："));
    QCOMPARE(window.findChild<QLabel *>("RzLabel7")->text(), QStringLiteral("具体表现："));
    QCOMPARE(window.findChild<QLabel *>("RzLabel3")->text(), phoneFooter);
    QVERIFY(window.RzLabel8->wordWrap());
    QCOMPARE(window.RzLabel8->size(), QSize(290, 97));
    QCOMPARE(window.RzLabel9->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(window.RzBitBtn1->text(), QStringLiteral("测算"));
    QCOMPARE(window.RzBitBtn2->text(), QStringLiteral("关闭"));
}

void FortuneWindowsTest::phoneKeyFilter()
{
    TFrm_SJcs window;
    window.show();
    window.edtmun->setFocus();
    QTest::keyClicks(window.edtmun, QStringLiteral("13a9 -x.5"));
    QCOMPARE(window.edtmun->text(), QStringLiteral("1395"));
    QTest::keyClick(window.edtmun, Qt::Key_Backspace);
    QCOMPARE(window.edtmun->text(), QStringLiteral("139"));
    QTest::keyClicks(window.edtmun, QStringLiteral("1234567890123"));
    QCOMPARE(window.edtmun->text(), QStringLiteral("13912345678"));
    QVERIFY(!window.edtmun->testAttribute(Qt::WA_InputMethodEnabled));
}

void FortuneWindowsTest::phoneEnterReads()
{
    RecordingPlatform platform;
    FixtureProgramDir fixture;
    QVERIFY(fixture.build(fortuneSources()));
    TFrm_SJcs window;
    window.show();
    window.edtmun->setFocus();
    QTest::keyClicks(window.edtmun, QStringLiteral("13912341234"));
    QTest::keyClick(window.edtmun, Qt::Key_Return);
    QCOMPARE(window.RzLabel10->text(), QStringLiteral("三十四之状"));
    QCOMPARE(window.edtmun->text(), QStringLiteral("13912341234"));
    window.edtmun->setText(QStringLiteral("13900000079"));
    QTest::keyClick(window.edtmun, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(window.RzLabel10->text(), QStringLiteral("七十九之状"));
    QVERIFY(platform.messages.isEmpty());
}

void FortuneWindowsTest::phoneReading_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("11 digits") << "13912341234" << QStringList{"13912341234", "三十四之状", "凶", "三十四之表现"};
    QTest::newRow("pasted blank") << " 1391234567" << QStringList{"1391234567", "七之状", "吉", "七之表现"};
    QTest::newRow("8 digits") << "15900005" << QStringList{"15900005", "五之状", "吉", "五之表现"};
    QTest::newRow("prefix 18") << "18612341234" << QStringList{"18612341234", "三十四之状", "凶", "三十四之表现"};
    QTest::newRow("prefix 17") << "17700000007" << QStringList{"17700000007", "七之状", "吉", "七之表现"};
    QTest::newRow("prefix 19") << "19912341234" << QStringList{"19912341234", "三十四之状", "凶", "三十四之表现"};
    QTest::newRow("no row") << "13900000001" << QStringList{"13900000001", "", "", ""};
}

void FortuneWindowsTest::phoneReading()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, labels);
    RecordingPlatform platform;
    FixtureProgramDir fixture;
    QVERIFY(fixture.build(fortuneSources()));
    TFrm_SJcs window;
    window.show();
    window.edtmun->setText(entry);
    window.RzBitBtn1->click();
    QCOMPARE((QStringList{window.RzLabel11->text(), window.RzLabel10->text(), window.RzLabel9->text(),
                          window.RzLabel8->text()}),
             labels);
    QVERIFY(platform.messages.isEmpty());
}

void FortuneWindowsTest::phoneRefusals_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "" << "请输入11位手机号码！";
    QTest::newRow("blanks") << "   " << "请输入11位手机号码！";
    QTest::newRow("12") << "12912345678" << "请输入正确的手机号码！";
    QTest::newRow("20") << "20912345678" << "请输入正确的手机号码！";
    QTest::newRow("too short to read") << "1391234" << "请输入正确的手机号码！";
    QTest::newRow("pasted letters") << "1391234abcd" << "请输入正确的手机号码！";
}

void FortuneWindowsTest::phoneRefusals()
{
    QFETCH(QString, entry);
    QFETCH(QString, message);
    RecordingPlatform platform;
    FixtureProgramDir fixture;
    QVERIFY(fixture.build(fortuneSources()));
    TFrm_SJcs window;
    window.show();
    for (QLabel *label : {window.RzLabel11, window.RzLabel10, window.RzLabel9, window.RzLabel8})
        label->setText(QStringLiteral("前次"));
    window.edtmun->setText(entry);
    window.RzBitBtn1->click();
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.at(0).text, message);
    QCOMPARE(platform.messages.at(0).caption, QStringLiteral("提示"));
    QCOMPARE(platform.messages.at(0).icon, MessageIcon::Information);
    for (QLabel *label : {window.RzLabel11, window.RzLabel10, window.RzLabel9, window.RzLabel8})
        QCOMPARE(label->text(), QStringLiteral("前次"));
}

void FortuneWindowsTest::phoneKeepsLabelsWhenDatabaseIsMissing()
{
    RecordingPlatform platform;
    FixtureProgramDir fixture;
    QVERIFY(fixture.build(fortuneSources()));
    TFrm_SJcs window;
    window.show();
    window.edtmun->setText(QStringLiteral("13912341234"));
    window.RzBitBtn1->click();
    QVERIFY(QFile::remove(fixture.databasePath()));
    window.edtmun->setText(QStringLiteral("13900000079"));
    window.RzBitBtn1->click();
    QCOMPARE(window.RzLabel11->text(), QStringLiteral("13912341234"));
    QCOMPARE(window.RzLabel10->text(), QStringLiteral("三十四之状"));
    QVERIFY(platform.messages.isEmpty());
}

void FortuneWindowsTest::phoneCloseOnlyHides()
{
    Frm_SJcs = new TFrm_SJcs;
    Frm_SJcs->show();
    Frm_SJcs->RzBitBtn2->click();
    flushDeletes();
    QVERIFY(!Frm_SJcs.isNull());
    QVERIFY(!Frm_SJcs->isVisible());
}

void FortuneWindowsTest::pairControls()
{
    FixtureProgramDir fixture;
    TFrm_xzhuo window;
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("星座配对"));
    QVERIFY(window.testAttribute(Qt::WA_DeleteOnClose));
    const QStringList names = {"水瓶座", "白羊座", "金牛座", "双子座", "巨蟹座", "狮子座",
                               "处女座", "天秤座", "天蝎座", "射手座", "摩羯座", "双鱼座"};
    QCOMPARE(items(window.ComboBoxDL), names);
    QCOMPARE(items(window.ComboBoxXX), names);
    QCOMPARE(window.ComboBoxDL->currentIndex(), 0);
    QCOMPARE(window.ComboBoxXX->currentIndex(), 0);
    QVERIFY(!window.ComboBoxDL->isEditable());
    QCOMPARE(window.findChild<QLabel *>("Label1")->text(), QStringLiteral("星座（男）："));
    QCOMPARE(window.findChild<QLabel *>("Label2")->text(), QStringLiteral("星座（女）："));
    QCOMPARE(window.RzBitBtn1->text(), QStringLiteral("配对"));
    QCOMPARE(window.RzBitBtn2->text(), QStringLiteral("保存"));
    QCOMPARE(window.RzBitBtn4->text(), QStringLiteral("关闭"));
    QVERIFY(window.RzMemo1->isReadOnly());
    QVERIFY(window.pairingCaption().isEmpty());
    QCOMPARE(tabChain(window.ComboBoxDL, 6), (QList<QWidget *>{window.ComboBoxDL, window.ComboBoxXX, window.RzBitBtn1,
                                                               window.RzBitBtn2, window.RzBitBtn4, window.RzMemo1}));
    // The memo fills the window below the panel, also after a resize.
    window.resize(500, 400);
    QCOMPARE(window.RzMemo1->geometry().bottom(), window.height() - 1);
    QCOMPARE(window.RzMemo1->width(), 500);
}

void FortuneWindowsTest::pairAndSave()
{
    RecordingPlatform platform;
    FixtureProgramDir fixture;
    QVERIFY(fixture.build(fortuneSources()));
    QTemporaryDir out;
    TFrm_xzhuo window;
    window.show();
    pick(window.ComboBoxXX, QStringLiteral("白羊座"));
    window.RzBitBtn1->click();
    const QStringList lines = {"水瓶男白羊女", "", "男瓶一", "", "男瓶二"};
    QCOMPARE(textAreaLines(window.RzMemo1), lines);
    QCOMPARE(window.pairingCaption(), QStringLiteral("水瓶座配对白羊座"));

    platform.saveAnswers = {out.filePath(QStringLiteral("水瓶座配对白羊座")), out.filePath(QStringLiteral("abc.txt"))};
    window.RzBitBtn2->click();
    QCOMPARE(platform.saveRequests.size(), 1);
    QCOMPARE(platform.saveRequests.at(0).caption, QStringLiteral("保存"));
    QCOMPARE(platform.saveRequests.at(0).proposedName, QStringLiteral("水瓶座配对白羊座"));
    QCOMPARE(platform.saveRequests.at(0).filter, QStringLiteral("文本文件|*.txt"));
    QFile saved(out.filePath(QStringLiteral("水瓶座配对白羊座.txt")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), toGbk(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));

    // ".txt" is appended even to a name that has it.
    window.RzBitBtn2->click();
    QVERIFY(QFile::exists(out.filePath(QStringLiteral("abc.txt.txt"))));
    QCOMPARE(platform.saveRequests.at(1).proposedName, QStringLiteral("水瓶座配对白羊座"));

    // Cancelling writes nothing.
    window.RzBitBtn2->click();
    QCOMPARE(platform.saveRequests.size(), 3);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files).size(), 2);
}

void FortuneWindowsTest::pairSaveFailsSilently()
{
    RecordingPlatform platform;
    FixtureProgramDir fixture;
    QVERIFY(fixture.build(fortuneSources()));
    TFrm_xzhuo window;
    window.show();
    window.RzBitBtn1->click();
    platform.saveAnswers = {fixture.path() + QStringLiteral("/no such folder/out")};
    window.RzBitBtn2->click();
    QCOMPARE(platform.saveRequests.size(), 1);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(textAreaLines(window.RzMemo1).value(0), QStringLiteral("双瓶"));
}

void FortuneWindowsTest::pairSaveNeedsAPairing()
{
    RecordingPlatform platform;
    FixtureProgramDir fixture;
    QVERIFY(fixture.build(fortuneSources()));
    TFrm_xzhuo window;
    window.show();
    window.RzBitBtn2->click();
    QVERIFY(platform.saveRequests.isEmpty());
}

void FortuneWindowsTest::pairFailedAfterSuccess()
{
    RecordingPlatform platform;
    FixtureProgramDir fixture;
    QVERIFY(fixture.build(fortuneSources()));
    TFrm_xzhuo window;
    window.show();
    pick(window.ComboBoxXX, QStringLiteral("白羊座"));
    window.RzBitBtn1->click();
    pick(window.ComboBoxDL, QStringLiteral("金牛座"));
    window.RzBitBtn1->click();
    QVERIFY(window.RzMemo1->toPlainText().isEmpty());
    QCOMPARE(window.pairingCaption(), QStringLiteral("水瓶座配对白羊座"));
    platform.saveAnswers = {fixture.path() + QStringLiteral("/never")};
    window.RzBitBtn2->click();
    QVERIFY(platform.saveRequests.isEmpty());
    QVERIFY(platform.messages.isEmpty());
}

void FortuneWindowsTest::pairKeepsTextWhenDatabaseIsMissing()
{
    FixtureProgramDir fixture;
    QVERIFY(fixture.build(fortuneSources()));
    TFrm_xzhuo window;
    window.show();
    window.RzBitBtn1->click();
    QVERIFY(QFile::remove(fixture.databasePath()));
    pick(window.ComboBoxXX, QStringLiteral("白羊座"));
    window.RzBitBtn1->click();
    QCOMPARE(textAreaLines(window.RzMemo1).value(0), QStringLiteral("双瓶"));
    QCOMPARE(window.pairingCaption(), QStringLiteral("水瓶座配对水瓶座"));
}

void FortuneWindowsTest::pairCloseDestroys()
{
    FixtureProgramDir fixture;
    Frm_xzhuo = new TFrm_xzhuo;
    QPointer<TFrm_xzhuo> window = Frm_xzhuo;
    window->show();
    window->RzBitBtn4->click();
    QVERIFY(Frm_xzhuo.isNull());
    flushDeletes();
    QVERIFY(window.isNull());
}

void FortuneWindowsTest::loveControls()
{
    Tfrmlove window;
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("缘分测试 "));
    QVERIFY(!window.testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.findChild<QLabel *>("Label1")->text(), QStringLiteral("男方姓名："));
    QCOMPARE(window.findChild<QLabel *>("Label2")->text(), QStringLiteral("女方姓名："));
    QCOMPARE(window.findChild<QLabel *>("Label3")->text(), QStringLiteral("你们的缘分："));
    QCOMPARE(window.findChild<QLabel *>("Label4")->text(), loveNote);
    QCOMPARE(window.findChild<QLabel *>("lbl4")->text(), QStringLiteral("技术论坛"));
    QVERIFY(window.lbl4->font().underline());
    QCOMPARE(window.lbl4->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QCOMPARE(window.lbl1->palette().color(QPalette::WindowText), QColor(Qt::red));
    QVERIFY(window.eYourName->text().isEmpty() && window.eOtherName->text().isEmpty());
    QCOMPARE(window.btncount->text(), QStringLiteral("测算"));
    QCOMPARE(window.btnTryagain->text(), QStringLiteral("重测"));
    QCOMPARE(window.btn1->text(), QStringLiteral("关闭"));
    QCOMPARE(tabChain(window.eYourName, 5), (QList<QWidget *>{window.eYourName, window.eOtherName, window.btncount, window.btnTryagain,
                                      window.btn1}));
}

void FortuneWindowsTest::loveMissingName_data()
{
    QTest::addColumn<QString>("man");
    QTest::addColumn<QString>("woman");
    QTest::newRow("man missing") << "" << "阿";
    QTest::newRow("woman missing") << "啊" << "";
    QTest::newRow("both missing") << "" << "";
}

void FortuneWindowsTest::loveMissingName()
{
    QFETCH(QString, man);
    QFETCH(QString, woman);
    RecordingPlatform platform;
    Tfrmlove window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.eYourName->setText(man);
    window.eOtherName->setText(woman);
    window.lbl1->setText(QStringLiteral("前次"));
    window.btn1->setFocus();
    window.btncount->click();
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.at(0).text, QStringLiteral("请输入你们的姓名！"));
    QCOMPARE(platform.messages.at(0).caption, QStringLiteral("提示"));
    QCOMPARE(platform.messages.at(0).icon, MessageIcon::None);
    QCOMPARE(QApplication::focusWidget(), window.eYourName);
    QCOMPARE(window.lbl1->text(), QStringLiteral("前次"));
}

void FortuneWindowsTest::loveVerdict()
{
    RecordingPlatform platform;
    Tfrmlove window;
    window.show();
    window.eYourName->setText(QStringLiteral("啊"));
    window.eOtherName->setText(QStringLiteral("阿"));
    window.btncount->click();
    QCOMPARE(window.lbl1->text(), QStringLiteral("知心朋友 得分70分"));
    window.eYourName->setText(QStringLiteral(" 石青岚 "));
    window.eOtherName->setText(QStringLiteral("柳如眉 "));
    window.btncount->click();
    QCOMPARE(window.lbl1->text(), QStringLiteral("爱在心间默默关爱 得分99分"));
    // Blanks pass the emptiness test and count nothing.
    window.eYourName->setText(QStringLiteral("  "));
    window.btncount->click();
    QCOMPARE(window.lbl1->text(), GetFateText(24));
    QVERIFY(platform.messages.isEmpty());
}

void FortuneWindowsTest::loveEnterMovesFocus()
{
    RecordingPlatform platform;
    Tfrmlove window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.eYourName->setFocus();
    window.eYourName->setText(QStringLiteral("啊"));
    QTest::keyClick(window.eYourName, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), window.eOtherName);
    window.eOtherName->setText(QStringLiteral("阿"));
    QTest::keyClick(window.eOtherName, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(QApplication::focusWidget(), window.btncount);
    QVERIFY(window.lbl1->text().isEmpty());
    QCOMPARE(window.eYourName->text(), QStringLiteral("啊"));
    // On the button, Enter presses it.
    QTest::keyClick(window.btncount, Qt::Key_Return);
    QCOMPARE(window.lbl1->text(), QStringLiteral("知心朋友 得分70分"));
    QVERIFY(platform.messages.isEmpty());
}

void FortuneWindowsTest::loveReset()
{
    Tfrmlove window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.eYourName->setText(QStringLiteral("啊"));
    window.eOtherName->setText(QStringLiteral("阿"));
    window.btncount->click();
    window.btnTryagain->setFocus();
    window.btnTryagain->click();
    QVERIFY(window.eYourName->text().isEmpty());
    QVERIFY(window.eOtherName->text().isEmpty());
    QVERIFY(window.lbl1->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), window.eYourName);
}

void FortuneWindowsTest::loveForumLink()
{
    RecordingPlatform platform;
    Tfrmlove window;
    window.show();
    QTest::mouseClick(window.lbl4, Qt::LeftButton);
    QCOMPARE(platform.opened, QStringList{QString::fromUtf8(Addresses::forumUrl)});
}

void FortuneWindowsTest::loveCloseOnlyHides()
{
    frmlove = new Tfrmlove;
    frmlove->show();
    frmlove->btn1->click();
    flushDeletes();
    QVERIFY(!frmlove.isNull());
    QVERIFY(!frmlove->isVisible());
}

void FortuneWindowsTest::shippedTextsFit()
{
    TFrmgzfx bone;
    TFrm_SJcs phone;
    Tfrmlove love;
    for (QWidget *window : std::initializer_list<QWidget *>{&bone, &phone, &love})
        window->show();
    for (const QString &verse : shippedColumn(QStringLiteral("chenggu.tsv"), 1))
        QVERIFY2(fits(bone.RzLabel1, verse), qPrintable(verse));
    QVERIFY(fits(bone.RzLabel2, BoneWeight::weightLine(QStringLiteral("99"))));
    QVERIFY(fits(bone.RzLabel3, boneNote));
    for (const QString &title : shippedColumn(QStringLiteral("shouji.tsv"), 1))
        QVERIFY2(fits(phone.RzLabel10, title), qPrintable(title));
    for (const QString &content : shippedColumn(QStringLiteral("shouji.tsv"), 3))
        QVERIFY2(fits(phone.RzLabel8, content), qPrintable(content));
    QVERIFY(fits(phone.RzLabel3, phoneFooter));
    QVERIFY(fits(phone.RzLabel2, phoneHint));
    for (int difference = 0; difference <= 26; ++difference)
        QVERIFY2(fits(love.lbl1, GetFateText(difference)), qPrintable(GetFateText(difference)));
    QVERIFY(fits(love.lbl1, LoveTest::specialVerdict));
    QVERIFY(fits(love.Label4, loveNote));
    // Captions beside their controls do not run into them.
    QVERIFY(bone.Label1->geometry().right() < bone.ComboBoxyear->x());
    QVERIFY(phone.RzLabel1->geometry().right() < phone.edtmun->x());
    QVERIFY(phone.RzLabel5->geometry().right() < phone.RzLabel11->x());
    QVERIFY(phone.RzLabel7->geometry().right() < phone.RzLabel8->x());
    QVERIFY(love.Label1->geometry().right() < love.eYourName->x());
    QVERIFY(love.Label3->geometry().right() < love.lbl1->x());
    QVERIFY(love.lbl4->geometry().right() < love.width());
}

// Saves the four windows after a reading when VELMORA_SHOT_DIR names a folder.
void FortuneWindowsTest::screenshots()
{
    const QString folder = qEnvironmentVariable("VELMORA_SHOT_DIR");
    if (folder.isEmpty())
        QSKIP("set VELMORA_SHOT_DIR to save screenshots");
    RecordingPlatform platform;
    FixtureProgramDir fixture;
    QMap<QString, QString> sources;
    for (const char *file : {"chenggu1.tsv", "chenggu2.tsv", "chenggu3.tsv", "chenggu4.tsv", "chenggu.tsv",
                             "shouji.tsv", "xingzuolove.tsv"})
        sources.insert(QLatin1String(file), shippedSource(QLatin1String(file)));
    QVERIFY2(fixture.build(sources), qPrintable(fixture.errors.join('\n')));

    TFrmgzfx bone;
    bone.show();
    pick(bone.ComboBoxyear, QStringLiteral("1984"));
    pick(bone.ComboBoxmonth, QStringLiteral("九"));
    pick(bone.ComboBoxday, QStringLiteral("十八"));
    pick(bone.ComboBoxtime, QStringLiteral("23"));
    bone.RzBitBtn1->click();
    QCoreApplication::processEvents();
    QVERIFY(bone.grab().save(folder + QStringLiteral("/shot-bone.png")));

    TFrm_SJcs phone;
    phone.show();
    phone.edtmun->setText(QStringLiteral("13912341234"));
    phone.RzBitBtn1->click();
    QCoreApplication::processEvents();
    QVERIFY(phone.grab().save(folder + QStringLiteral("/shot-phone.png")));

    TFrm_xzhuo pair;
    pair.show();
    pick(pair.ComboBoxDL, QStringLiteral("天蝎座"));
    pick(pair.ComboBoxXX, QStringLiteral("双鱼座"));
    pair.RzBitBtn1->click();
    QCoreApplication::processEvents();
    QVERIFY(pair.grab().save(folder + QStringLiteral("/shot-pair.png")));

    Tfrmlove love;
    love.show();
    love.eYourName->setText(QStringLiteral("王小明"));
    love.eOtherName->setText(QStringLiteral("李丽"));
    love.btncount->click();
    QCoreApplication::processEvents();
    QVERIFY(love.grab().save(folder + QStringLiteral("/shot-love.png")));
}

QTEST_MAIN(FortuneWindowsTest)
#include "tst_fortunewindows.moc"
