#include "support/RecordingPlatform.h"

RecordingPlatform::RecordingPlatform()
{
    setMessages(this);
    setShell(this);
    setBeeper(this);
    setFileDialogs(this);
    setPrinting(this);
    setStartPageStore(this);
}

RecordingPlatform::~RecordingPlatform()
{
    setMessages(nullptr);
    setShell(nullptr);
    setBeeper(nullptr);
    setFileDialogs(nullptr);
    setPrinting(nullptr);
    setStartPageStore(nullptr);
}

void RecordingPlatform::show(const QString &text, const QString &caption, MessageIcon icon)
{
    messages.append({text, caption, icon});
    if (onMessage)
        onMessage(messages.constLast());
}

bool RecordingPlatform::open(const QString &target)
{
    opened << target;
    return true;
}

void RecordingPlatform::beep()
{
    ++beeps;
}

QString RecordingPlatform::saveFileName(const QString &caption, const QString &proposedName, const QString &filter)
{
    saveRequests.append({caption, proposedName, filter});
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

bool RecordingPlatform::printText(const QString &, const QString &text)
{
    printed << text;
    return true;
}

bool RecordingPlatform::setupPrinter()
{
    ++printerSetups;
    return true;
}

bool RecordingPlatform::read(QString &page, QString &error)
{
    if (!startPageReadError.isEmpty()) {
        error = startPageReadError;
        return false;
    }
    page = startPage;
    return true;
}

bool RecordingPlatform::write(const QString &page, QString &error)
{
    if (!startPageWriteError.isEmpty()) {
        error = startPageWriteError;
        return false;
    }
    startPageWrites << page;
    startPage = page;
    return true;
}
