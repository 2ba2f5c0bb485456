#include "Version.h"
#include "app/AppIcon.h"
#include "app/DesktopPlatform.h"
#include "app/Fonts.h"
#include "app/Translations.h"
#include "app/Untmain.h"
#include "data/GbkText.h"
#include "widgets/Controls.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

int main(int argc, char **argv)
{
    preferChineseWhereNoLanguageIsSet();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QString::fromLatin1(velmoraVersion));
    QApplication::setDesktopFileName(QString::fromLatin1(velmoraAppId));
    QApplication::setWindowIcon(applicationIcon());
    installFontSubstitutes();
    installChineseTranslations();
    DesktopPlatform platform;
    if (!gbkAvailable()) {
        QMessageBox::critical(nullptr, QStringLiteral("Velmora"),
                              QStringLiteral("此 Qt 版本不支持 GBK 文字编码，Velmora 无法读取它的数据。"));
        return 1;
    }
    QApplication::setFont(songFont());

    Frmmain = new TFrmmain;
    Frmmain->show();
    const int result = app.exec();
    delete Frmmain.data();
    // Feature windows that were only hidden end with the run. Deleting one also
    // deletes the pop-ups it owns, which are in the list too.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QPointer<QWidget> &window : QList<QPointer<QWidget>>(windows.cbegin(), windows.cend())) {
        if (window && !window->parent())
            delete window.data();
    }
    return result;
}
