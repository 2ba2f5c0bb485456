#include "data/Platform.h"

#include <cstdio>

namespace {

class StderrMessages final : public MessageBoxes
{
public:
    void show(const QString &text, const QString &, MessageIcon) override
    {
        std::fprintf(stderr, "%s\n", qUtf8Printable(text));
    }
};

class NoShell final : public Shell
{
public:
    bool open(const QString &) override { return false; }
};

class NoBeeper final : public Beeper
{
public:
    void beep() override {}
};

class NoFileDialogs final : public FileDialogs
{
public:
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
};

class NoPrinting final : public Printing
{
public:
    bool printText(const QString &, const QString &) override { return false; }
    bool setupPrinter() override { return false; }
};

class NoStartPageStore final : public StartPageStore
{
public:
    bool read(QString &page, QString &) override
    {
        page.clear();
        return true;
    }
    bool write(const QString &, QString &) override { return true; }
};

StderrMessages defaultMessages;
NoShell defaultShell;
NoBeeper defaultBeeper;
NoFileDialogs defaultFileDialogs;
NoPrinting defaultPrinting;
NoStartPageStore defaultStartPageStore;

MessageBoxes *currentMessages = &defaultMessages;
Shell *currentShell = &defaultShell;
Beeper *currentBeeper = &defaultBeeper;
FileDialogs *currentFileDialogs = &defaultFileDialogs;
Printing *currentPrinting = &defaultPrinting;
StartPageStore *currentStartPageStore = &defaultStartPageStore;

} // namespace

MessageBoxes &messages() { return *currentMessages; }
Shell &shell() { return *currentShell; }
Beeper &beeper() { return *currentBeeper; }
FileDialogs &fileDialogs() { return *currentFileDialogs; }
Printing &printing() { return *currentPrinting; }
StartPageStore &startPageStore() { return *currentStartPageStore; }

void setMessages(MessageBoxes *impl) { currentMessages = impl ? impl : &defaultMessages; }
void setShell(Shell *impl) { currentShell = impl ? impl : &defaultShell; }
void setBeeper(Beeper *impl) { currentBeeper = impl ? impl : &defaultBeeper; }
void setFileDialogs(FileDialogs *impl) { currentFileDialogs = impl ? impl : &defaultFileDialogs; }
void setPrinting(Printing *impl) { currentPrinting = impl ? impl : &defaultPrinting; }
void setStartPageStore(StartPageStore *impl) { currentStartPageStore = impl ? impl : &defaultStartPageStore; }
