#include "app/DesktopPlatform.h"

#include "app/BannerFetch.h"
#include "app/StartPage.h"
#include "data/Platform.h"
#include "data/uShare.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QTreeView>
#include <QUrl>

namespace {

// Room for the save dialog's kind and date columns.
constexpr QSize saveDialogSize(720, 460);

class DesktopMessages final : public MessageBoxes
{
public:
    void show(const QString &text, const QString &caption, MessageIcon icon) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(caption);
        box.setText(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
        switch (icon) {
        case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
        case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }
};

class DesktopShell final : public Shell
{
public:
    bool open(const QString &target) override
    {
        const QUrl url(target);
        const QString scheme = url.scheme().toLower();
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto"))
            return QDesktopServices::openUrl(url);
        // Anything else is a file name; a relative one names a file the program ships.
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QDir(GetAppPath()).absoluteFilePath(target)));
    }
};

class DesktopBeeper final : public Beeper
{
public:
    void beep() override { QApplication::beep(); }
};

class DesktopFileDialogs final : public FileDialogs
{
public:
    QString saveFileName(const QString &caption, const QString &proposedName, const QString &filter) override
    {
        // "文本文件|*.txt" is written as Qt's "文本文件 (*.txt)".
        QStringList qtFilters;
        const QStringList parts = filter.split(QLatin1Char('|'));
        for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
            qtFilters << QStringLiteral("%1 (%2)").arg(parts.at(i), parts.at(i + 1));
        QFileDialog dialog(QApplication::activeWindow(), caption);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(qtFilters);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.resize(dialog.size().expandedTo(saveDialogSize));
        // The kind and date columns show whole, the names take the rest.
        if (auto *files = dialog.findChild<QTreeView *>()) {
            files->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
            files->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        }
        if (!proposedName.isEmpty())
            dialog.selectFile(proposedName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
};

class DesktopPrinting final : public Printing
{
public:
    bool printText(const QString &documentName, const QString &text) override
    {
        m_printer.setDocName(documentName);
        QPrintDialog dialog(&m_printer, QApplication::activeWindow());
        if (dialog.exec() != QDialog::Accepted)
            return false;
        QTextDocument document;
        document.setDefaultFont(QApplication::font());
        document.setPlainText(text);
        document.print(&m_printer);
        return true;
    }

    bool setupPrinter() override
    {
        QPrintDialog dialog(&m_printer, QApplication::activeWindow());
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        return dialog.exec() == QDialog::Accepted;
    }

private:
    QPrinter m_printer;
};

} // namespace

struct DesktopPlatform::Services
{
    DesktopMessages messages;
    DesktopShell shell;
    DesktopBeeper beeper;
    DesktopFileDialogs fileDialogs;
    DesktopPrinting printing;
#ifdef Q_OS_WIN
    RegistryStartPage startPage;
#else
    StartPageFile startPage{StartPageFile::defaultPath()};
#endif
    HttpBannerSource banner;
};

DesktopPlatform::DesktopPlatform() : m_services(std::make_unique<Services>())
{
    setMessages(&m_services->messages);
    setShell(&m_services->shell);
    setBeeper(&m_services->beeper);
    setFileDialogs(&m_services->fileDialogs);
    setPrinting(&m_services->printing);
    setStartPageStore(&m_services->startPage);
    setBannerSource(&m_services->banner);
}

DesktopPlatform::~DesktopPlatform()
{
    setMessages(nullptr);
    setShell(nullptr);
    setBeeper(nullptr);
    setFileDialogs(nullptr);
    setPrinting(nullptr);
    setStartPageStore(nullptr);
    setBannerSource(nullptr);
}
