#include "app/Fonts.h"
#include "app/Untmain.h"
#include "data/uShare.h"
#include "dream/Unthearjx.h"
#include "support/Fixture.h"
#include "support/RecordingPlatform.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include "widgets/GradientPanel.h"

namespace {

// Captions that do not fit their control, by control name.
QStringList clippedCaptions(QWidget *window)
{
    QStringList clipped;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (!child->isVisibleTo(window))
            continue;
        QString text;
        int room = child->width();
        if (auto *label = qobject_cast<QLabel *>(child)) {
            if (!label->pixmap().isNull() || label->wordWrap())
                continue;
            text = label->text();
        } else if (auto *button = qobject_cast<QAbstractButton *>(child)) {
            text = button->text().remove(QLatin1Char('&'));
            if (qobject_cast<QRadioButton *>(child))
                room -= 20;
            else if (!button->icon().isNull() && button->width() > button->height() * 2)
                room -= button->iconSize().width() + 4;
        }
        if (text.isEmpty())
            continue;
        const QFontMetrics metrics(child->font());
        // CJK fonts carry generous line spacing; the glyphs themselves must fit.
        if (metrics.horizontalAdvance(text) > room || metrics.tightBoundingRect(text).height() > child->height())
            clipped << QStringLiteral("%1 \"%2\" needs %3 of %4, height %5 of %6").arg(child->objectName(), text)
                           .arg(metrics.horizontalAdvance(text)).arg(room).arg(metrics.tightBoundingRect(text).height()).arg(child->height());
    }
    return clipped;
}

void saveGrab(QWidget *window, const QString &name)
{
    QDir().mkpath(QStringLiteral(VELMORA_SCREENS_DIR));
    window->grab().save(QStringLiteral(VELMORA_SCREENS_DIR "/") + name + QStringLiteral(".png"));
}

} // namespace

class LayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mainWindow();
    void analysisWindow();
};

void LayoutTest::initTestCase()
{
    installFontSubstitutes();
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    setAppPath(programDirPath(QString()));
}

void LayoutTest::mainWindow()
{
    RecordingPlatform platform;
    TFrmmain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.RzBitBtn2->geometry(), QRect(83, 2, 80, 76));
    QCOMPARE(window.RzBitBtn10->geometry(), QRect(83, 306, 80, 76));
    QCOMPARE(window.RzBitBtn13->geometry(), QRect(3, 426, 160, 22));
    QVERIFY(window.Paneleft->height() >= window.RzBitBtn13->geometry().bottom());
    QVERIFY(!window.Image1->pixmap().isNull());
    QVERIFY(!window.RzBitBtn1->icon().isNull());
    const QStringList clipped = clippedCaptions(&window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
    saveGrab(&window, QStringLiteral("main"));
}

void LayoutTest::analysisWindow()
{
    RecordingPlatform platform;
    TFrmheartJx window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.EditCode->setText(QStringLiteral("掉牙"));
    window.RzRadioButton2->setChecked(true);
    window.RzBitBtn1->click();
    const QStringList clipped = clippedCaptions(&window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
    saveGrab(&window, QStringLiteral("analysis"));
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
