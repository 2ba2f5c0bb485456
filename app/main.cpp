#include "app/DesktopPlatform.h"
#include "app/Fonts.h"
#include "app/Translations.h"
#include "app/Untmain.h"
#include "data/GbkText.h"
#include "widgets/Controls.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char **argv)
{
    preferChineseWhereNoLanguageIsSet();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
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
    // Feature windows that were only hidden end with the run.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->parent())
            delete window;
    }
    return result;
}
