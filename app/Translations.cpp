#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace {

// Texts Qt's Chinese catalogue lacks: the kinds the file dialog shows for
// folders, drives and links.
class MissingQtTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (!context || std::strcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        static const std::pair<const char *, const char *> texts[] = {
            {"Folder", "文件夹"}, {"File Folder", "文件夹"}, {"Drive", "驱动器"},
            {"Shortcut", "快捷方式"}, {"Unknown", "未知"},
        };
        for (const auto &[english, chinese] : texts) {
            if (std::strcmp(sourceText, english) == 0)
                return QString::fromUtf8(chinese);
        }
        return {};
    }
};

bool noLanguage(const char *variable)
{
    const QByteArray value = qgetenv(variable);
    return value.isEmpty() || value == "C" || value == "POSIX" || value.startsWith("C.");
}

} // namespace

void preferChineseWhereNoLanguageIsSet()
{
    if (noLanguage("LC_ALL") && noLanguage("LC_MESSAGES") && noLanguage("LANG")) {
        qputenv("LANG", "zh_CN.UTF-8");
        qunsetenv("LC_ALL");
    }
}

bool installChineseTranslations()
{
    const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    // The dialogs format dates and sizes in the user's language too.
    QLocale::setDefault(chinese);
    QCoreApplication::installTranslator(new MissingQtTexts(QCoreApplication::instance()));
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
