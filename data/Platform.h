#pragma once

#include <QString>

// The platform services the program touches. Each has one real implementation
// (installed by the GUI at start-up) and a recording fake in the tests.

enum class MessageIcon { None, Information, Warning, Error, Question };

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual void show(const QString &text, const QString &caption, MessageIcon icon) = 0;
};

class Shell
{
public:
    virtual ~Shell() = default;
    // Opens a web address, a mailto link or a file with its default program.
    virtual bool open(const QString &target) = 0;
};

class Beeper
{
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // Returns the chosen path, or an empty text when the user cancelled.
    virtual QString saveFileName(const QString &caption, const QString &proposedName,
                                 const QString &filter) = 0;
};

class Printing
{
public:
    virtual ~Printing() = default;
    // Asks for a printer and prints the text; a cancelled dialog prints nothing.
    virtual bool printText(const QString &documentName, const QString &text) = 0;
    // The printer set-up dialog.
    virtual bool setupPrinter() = 0;
};

class StartPageStore
{
public:
    virtual ~StartPageStore() = default;
    // The web browser's home page (empty when none is stored); false with the
    // error's text when the stored value cannot be read as text.
    virtual bool read(QString &page, QString &error) = 0;
    // False with the error's text when the value cannot be stored.
    virtual bool write(const QString &page, QString &error) = 0;
};

// One accessor per service. Before anything is installed they do nothing
// (messages go to standard error), which is what the command-line tool wants.
MessageBoxes &messages();
Shell &shell();
Beeper &beeper();
FileDialogs &fileDialogs();
Printing &printing();
StartPageStore &startPageStore();

void setMessages(MessageBoxes *impl);
void setShell(Shell *impl);
void setBeeper(Beeper *impl);
void setFileDialogs(FileDialogs *impl);
void setPrinting(Printing *impl);
void setStartPageStore(StartPageStore *impl);
