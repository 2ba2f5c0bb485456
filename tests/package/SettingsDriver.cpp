// Loaded into the installed velmora as a Qt generic plugin (QT_QPA_GENERIC_PLUGINS),
// it does what a user would: opens the settings window, picks a skin, saves and
// quits, and writes what it saw to the file VELMORA_DRIVER_REPORT names.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

QWidget *visibleWindow(const char *name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return window;
    }
    return nullptr;
}

class SettingsDriver : public QObject
{
public:
    SettingsDriver() : m_deadline(60000)
    {
        connect(&m_timer, &QTimer::timeout, this, &SettingsDriver::step);
        m_timer.start(50);
    }

private:
    void finish(int status, const QByteArray &report)
    {
        m_timer.stop();
        QFile out(QString::fromLocal8Bit(qgetenv("VELMORA_DRIVER_REPORT")));
        if (out.open(QIODevice::WriteOnly))
            out.write(report);
        QCoreApplication::exit(status);
    }

    void step()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible())
                return finish(3, "message box: " + box->text().toUtf8());
        }
        if (m_deadline.hasExpired())
            return finish(4, "timed out at step " + QByteArray::number(m_step));
        if (m_step == 0) {
            QWidget *main = visibleWindow("Frmmain");
            auto *settings = main ? main->findChild<QAction *>(QStringLiteral("N5")) : nullptr;
            if (!settings)
                return;
            settings->trigger();
            m_step = 1;
        } else if (m_step == 1) {
            QWidget *window = visibleWindow("Frmshez");
            auto *skins = window ? window->findChild<QComboBox *>(QStringLiteral("RzComboBox1")) : nullptr;
            auto *save = window ? window->findChild<QPushButton *>(QStringLiteral("RzBitBtn2")) : nullptr;
            if (!skins || !save)
                return;
            skins->setCurrentIndex(qEnvironmentVariableIntValue("VELMORA_DRIVER_SKIN"));
            save->click();
            m_step = 2;
        } else {
            finish(0, "style sheet: " + qApp->styleSheet().toUtf8());
        }
    }

    QTimer m_timer;
    QDeadlineTimer m_deadline;
    int m_step = 0;
};

} // namespace

class SettingsDriverPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "SettingsDriver.json")
public:
    QObject *create(const QString &, const QString &) override { return new SettingsDriver; }
};

#include "SettingsDriver.moc"
