// Not a test: shows the calendar window on a real display in every skin, with the
// 休/班 marks and a day's tooltip, and saves pictures of the screen for a look by eye:
//     xvfb-run -a -s "-screen 0 1280x1024x24" calendar_screenshots <output folder>
// Tooltips are windows of their own, so the pictures are taken of the whole screen.
#include "app/DesktopPlatform.h"
#include "app/Settings.h"
#include "app/SkinEngine.h"
#include "app/Translations.h"
#include "app/Untmain.h"
#include "calendar/DateWin.h"
#include "support/PictureRun.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QTest>

#include <cstdio>

namespace {

QString outputFolder;

QLabel *dayNumber(const TFRM_Date *window, int day)
{
    for (QLabel *cell : window->DayLabels) {
        if (!cell->isHidden() && cell->property("tag").toInt() == day)
            return cell;
    }
    return nullptr;
}

// Rests the pointer on a day, so the label itself raises its tooltip. The pointer's
// enter and leave events come first: any leave hides a tooltip already shown.
void hover(QLabel *cell)
{
    const QPoint inside = cell->rect().center();
    const QPoint global = cell->mapToGlobal(inside);
    QCursor::setPos(global);
    QTest::qWait(300);
    QHelpEvent help(QEvent::ToolTip, inside, global);
    QApplication::sendEvent(cell, &help);
}

void saveScreen(const QString &name, const QWidget *around)
{
    QTest::qWait(500);
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    screen.save(outputFolder + QLatin1Char('/') + name + QStringLiteral(".png"));
    // The window with room below and beside it for the tooltip.
    const QRect crop = around->frameGeometry().adjusted(-10, -10, 260, 200).intersected(screen.rect());
    screen.copy(crop).save(outputFolder + QStringLiteral("/window-") + name + QStringLiteral(".png"));
    std::printf("%s.png\n", qPrintable(name));
}

void showMonth(const QDate &date, int hoveredDay, const QString &name)
{
    FRM_Date->CurrentDate = date;
    FRM_Date->FormShow();
    FRM_Date->activateWindow();
    QTest::qWait(200);
    hover(dayNumber(FRM_Date, hoveredDay));
    saveScreen(name, FRM_Date);
}

} // namespace

int main(int argc, char **argv)
{
    preferChineseWhereNoLanguageIsSet();
    QApplication app(argc, argv);
    outputFolder = startPictureRun(argc, argv);
    DesktopPlatform platform;

    const QString size = QStringLiteral("%1x%2")
                             .arg(QGuiApplication::primaryScreen()->size().width())
                             .arg(QGuiApplication::primaryScreen()->size().height());
    Frmmain = new TFrmmain;
    Frmmain->show();
    QTest::qWait(400);
    for (int skin = -1; skin < 5; ++skin) {
        if (skin < 0)
            qApp->setStyleSheet(SkinEngine::builtInSkin());
        else
            Frmmain->SkinData1->setSkinFile(skinFileOf(skin));
        const QString skinName = skin < 0 ? QStringLiteral("builtin") : QStringLiteral("skin%1").arg(skin);
        const QString suffix = skinName + QLatin1Char('-') + size;
        Frmmain->R1Click();
        // February 2025: the last 春节 rest days, and the 班 on Saturday the 8th selected; the 4th hovered.
        showMonth(QDate(2025, 2, 8), 4, QStringLiteral("calendar-2025-02-%1").arg(suffix));
        // October 2025: National Day and 中秋 together, the first day selected, the 班 on
        // Saturday the 11th; 中秋 hovered.
        showMonth(QDate(2025, 10, 1), 6, QStringLiteral("calendar-2025-10-%1").arg(suffix));
        // A year without an arrangement says so below the footer.
        showMonth(QDate(2027, 10, 1), 1, QStringLiteral("calendar-2027-10-%1").arg(suffix));
        FRM_Date->close();
    }
    delete FRM_Date.data();
    delete Frmmain.data();
    return 0;
}
