// Renders the search window in every skin for a look by eye:
//     search_screenshots <output folder>
// Leaves the main window and a search window on the screen for a while when
// given --hold SECONDS, so that a screenshot of the whole desktop can be taken.
#include "app/Fonts.h"
#include "app/Settings.h"
#include "app/SkinEngine.h"
#include "app/Untmain.h"
#include "data/uShare.h"
#include "dream/DreamSearchWindow.h"
#include "widgets/Controls.h"
#include "support/RecordingPlatform.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

void search(DreamSearchWindow *window, const QString &text, bool open)
{
    window->findChild<QLineEdit *>(QStringLiteral("EditSearch"))->setText(text);
    window->SearchNow();
    if (open)
        window->OpenSelected();
    QApplication::processEvents();
}

void save(QWidget *window, const QString &path)
{
    QApplication::processEvents();
    window->grab().save(path);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    installFontSubstitutes();
    QApplication::setFont(songFont());
    setAppPath(QStringLiteral(VELMORA_PROGRAM_DIR));
    RecordingPlatform platform;
    QTemporaryDir store;

    Frmmain = new TFrmmain;
    Frmmain->show();
    if (out == QLatin1String("--hold") && argc > 2) {
        Frmmain->SkinData1->setSkinFile(skinFileOf(0));
        FrmDreamSearch = new DreamSearchWindow(nullptr, store.filePath(QStringLiteral("search.sqlite")));
        FrmDreamSearch->show();
        search(FrmDreamSearch.data(), QStringLiteral("梦见白蛇缠住我的腿"), true);
        QTimer::singleShot(QString::fromLocal8Bit(argv[2]).toInt() * 1000, &app, [] { QCoreApplication::exit(0); });
        return app.exec();
    }
    for (int skin = -1; skin < 5; ++skin) {
        if (skin < 0)
            qApp->setStyleSheet(SkinEngine::builtInSkin());
        else
            Frmmain->SkinData1->setSkinFile(skinFileOf(skin));
        const QString suffix = skin < 0 ? QStringLiteral("builtin") : QString::number(skin);
        save(Frmmain.data(), out + QStringLiteral("/main-%1.png").arg(suffix));

        auto *window = new DreamSearchWindow(nullptr, store.filePath(QStringLiteral("search-%1.sqlite").arg(suffix)));
        window->show();
        save(window, out + QStringLiteral("/search-empty-%1.png").arg(suffix));
        search(window, QStringLiteral("白蛇"), true);
        save(window, out + QStringLiteral("/search-result-%1.png").arg(suffix));
        search(window, QStringLiteral("前天夜里梦到一条白蛇缠住我的腿"), true);
        save(window, out + QStringLiteral("/search-description-%1.png").arg(suffix));
        search(window, QStringLiteral("baishe"), false);
        save(window, out + QStringLiteral("/search-pinyin-%1.png").arg(suffix));
        search(window, QStringLiteral("梦见吸尘器"), false);
        save(window, out + QStringLiteral("/search-notfound-%1.png").arg(suffix));
        for (const char *query : {"老爹", "牙掉了", "夢見長頭髮", "梦到自己在天上飞"})
            search(window, QString::fromUtf8(query), true);
        window->findChild<QTabWidget *>(QStringLiteral("TabSide"))->setCurrentIndex(0);
        save(window, out + QStringLiteral("/search-history-%1.png").arg(suffix));
        delete window;
    }
    delete Frmmain.data();
    return 0;
}
