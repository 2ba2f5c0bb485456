// Renders the shell's windows in every skin for a look by eye:
//     shell_screenshots <output folder>
// or times the main window's start-up against a server address:
//     shell_screenshots --startup <server url>
#include "app/BannerFetch.h"
#include "app/EndMsg.h"
#include "app/Fonts.h"
#include "app/Settings.h"
#include "app/SkinEngine.h"
#include "app/Uabout.h"
#include "app/Unt_servers.h"
#include "app/Untmain.h"
#include "app/Untshez.h"
#include "data/uShare.h"
#include "support/RecordingPlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QTcpServer>

#include <cstdio>

namespace {

QImage framed(QWidget *window)
{
    window->show();
    QApplication::processEvents();
    const QImage client = window->grab().toImage();
    QImage image(client.width() + 2, client.height() + 22, QImage::Format_RGB32);
    image.fill(QColor(60, 60, 60));
    QPainter painter(&image);
    painter.setPen(Qt::white);
    painter.drawText(QRect(6, 0, image.width() - 6, 22), Qt::AlignVCenter, window->windowTitle());
    painter.drawImage(1, 21, client);
    return image;
}

QImage sheet(const QList<QImage> &images)
{
    int width = 0;
    int height = 0;
    for (const QImage &image : images) {
        width += image.width() + 10;
        height = std::max(height, image.height());
    }
    QImage out(width + 10, height + 20, QImage::Format_RGB32);
    out.fill(QColor(200, 200, 200));
    QPainter painter(&out);
    int x = 10;
    for (const QImage &image : images) {
        painter.drawImage(x, 10, image);
        x += image.width() + 10;
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    installFontSubstitutes();
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    setAppPath(QStringLiteral(VELMORA_PROGRAM_DIR));
    RecordingPlatform platform;

    if (out == QLatin1String("--startup") && argc > 2) {
        QTcpServer silent; // accepts connections and never answers
        silent.listen(QHostAddress::LocalHost, 0);
        QString server = QString::fromLocal8Bit(argv[2]);
        server.replace(QLatin1String("SILENT"), QString::number(silent.serverPort()));
        HttpBannerSource source(server);
        setBannerSource(&source);
        QElapsedTimer clock;
        clock.start();
        Frmmain = new TFrmmain;
        Frmmain->show();
        QApplication::processEvents();
        std::printf("%s: main window shown after %lld ms\n", qPrintable(server), clock.elapsed());
        delete Frmmain.data();
        setBannerSource(nullptr);
        return 0;
    }

    Frmmain = new TFrmmain;
    Frmmain->show();
    for (int skin = -1; skin < 5; ++skin) {
        if (skin < 0)
            qApp->setStyleSheet(SkinEngine::builtInSkin());
        else
            Frmmain->SkinData1->setSkinFile(skinFileOf(skin));
        const QString suffix = skin < 0 ? QStringLiteral("builtin") : QString::number(skin);
        framed(Frmmain.data()).save(out + QStringLiteral("/shot-skin-%1.png").arg(suffix));

        Frmmain->N5Click();
        Frmmain->G1Click();
        Frmmain->K1Click();
        auto *dialog = new TFrmMsG;
        const QImage windows = sheet({framed(Frmshez.data()), framed(About.data()), framed(Frm_servers.data()),
                                      framed(dialog)});
        windows.save(out + QStringLiteral("/shot-windows-%1.png").arg(suffix));
        if (skin == 0) {
            framed(Frmshez.data()).save(out + QStringLiteral("/shot-settings.png"));
            framed(About.data()).save(out + QStringLiteral("/shot-about.png"));
            framed(Frm_servers.data()).save(out + QStringLiteral("/shot-service.png"));
            framed(dialog).save(out + QStringLiteral("/shot-exit.png"));
        }
        delete dialog;
        Frmshez->close();
    }
    delete Frmmain.data();
    return 0;
}
