#pragma once

#include "data/Platform.h"

#include <QList>

#include <functional>
#include <QStringList>

// Records what the program asked of the platform; answers from a script.
class RecordingPlatform final : public MessageBoxes, public Shell, public Beeper, public FileDialogs, public Printing,
                                public StartPageStore
{
public:
    RecordingPlatform();
    ~RecordingPlatform() override;

    struct Message
    {
        QString text;
        QString caption;
        MessageIcon icon;
    };
    struct SaveRequest
    {
        QString caption;
        QString proposedName;
        QString filter;
    };

    void show(const QString &text, const QString &caption, MessageIcon icon) override;
    bool open(const QString &target) override;
    void beep() override;
    QString saveFileName(const QString &caption, const QString &proposedName, const QString &filter) override;
    bool printText(const QString &documentName, const QString &text) override;
    bool setupPrinter() override;
    bool read(QString &page, QString &error) override;
    bool write(const QString &page, QString &error) override;

    QList<Message> messages;
    QStringList opened;
    int beeps = 0;
    QList<SaveRequest> saveRequests;
    QStringList saveAnswers; // taken in order; none left means cancel
    QStringList printed;
    int printerSetups = 0;
    QString startPage;
    QStringList startPageWrites;
    QString startPageReadError;  // when set, reading the home page fails with it
    QString startPageWriteError; // when set, writing it fails with it
    // Runs when a message is shown, so a test can see the state at that moment.
    std::function<void(const Message &)> onMessage;
};
