#include "Version.h"
#include "app/AppIcon.h"
#include "support/Fixture.h"

#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

// The desktop entry, the AppStream metadata and the icon the installed program ships.
class DesktopTest : public QObject
{
    Q_OBJECT
private slots:
    void validators_data();
    void validators();
    void oneApplicationId();
    void iconTheme_data();
    void iconTheme();
    void windowIconHasEverySize();
};

namespace {

QString desktopEntry()
{
    return sourceTreePath(QStringLiteral("assets/%1.desktop").arg(QLatin1String(velmoraAppId)));
}

QString metainfo()
{
    return QStringLiteral(VELMORA_BINARY_DIR "/assets/%1.metainfo.xml").arg(QLatin1String(velmoraAppId));
}


const int iconSizes[] = {16, 24, 32, 48, 64, 128, 256};

} // namespace

void DesktopTest::validators_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList{desktopEntry()};
    // --no-net: the screenshot addresses are never fetched.
    QTest::newRow("metainfo") << "appstreamcli" << QStringList{"validate", "--no-net", "--no-color", metainfo()};
}

void DesktopTest::validators()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, args);
    if (QStandardPaths::findExecutable(tool).isEmpty())
        QSKIP(qPrintable(tool + QStringLiteral(" is not installed")));
    const ProgramRun run = runProgram(tool, args);
    const QString output = run.out + run.err;
    QVERIFY2(run.status == 0, qPrintable(output));
    // desktop-file-validate prints only what it objects to, hints included.
    if (tool == QLatin1String("desktop-file-validate"))
        QVERIFY2(output.isEmpty(), qPrintable(output));
}

void DesktopTest::oneApplicationId()
{
    const QString id = QLatin1String(velmoraAppId);
    const QString xml = fileContents(metainfo());
    QVERIFY(xml.contains(QStringLiteral("<id>%1</id>").arg(id)));
    QVERIFY(xml.contains(QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(id)));
    QVERIFY(xml.contains(QStringLiteral("<release version=\"%1\"").arg(QLatin1String(velmoraVersion))));
    QVERIFY(xml.contains(QStringLiteral("<icon type=\"stock\">velmora</icon>")));

    QSettings entry(desktopEntry(), QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    QCOMPARE(entry.value(QStringLiteral("Exec")).toString(), QStringLiteral("velmora"));
    QCOMPARE(entry.value(QStringLiteral("Icon")).toString(), QStringLiteral("velmora"));
    // The window manager's class is the application name the program sets.
    QCOMPARE(entry.value(QStringLiteral("StartupWMClass")).toString(), QStringLiteral("Velmora"));
    const QString text = fileContents(desktopEntry());
    for (const char *key : {"Name[zh_CN]=", "GenericName[zh_CN]=", "Comment[zh_CN]=", "Keywords[zh_CN]=", "Categories="})
        QVERIFY2(text.contains(QLatin1String(key)), key);
}

void DesktopTest::iconTheme_data()
{
    QTest::addColumn<int>("size");
    for (int size : iconSizes)
        QTest::addRow("%dpx", size) << size;
}

void DesktopTest::iconTheme()
{
    QFETCH(int, size);
    QImageReader reader(sourceTreePath(QStringLiteral("assets/icons/hicolor/%1x%1/apps/velmora.png").arg(size)));
    QCOMPARE(reader.size(), QSize(size, size));
    const QImage icon = reader.read();
    QVERIFY(icon.hasAlphaChannel());
    // A round badge: transparent corners, an opaque middle.
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);

    const QString svg = fileContents(sourceTreePath(QStringLiteral("assets/icons/hicolor/scalable/apps/velmora.svg")));
    QVERIFY(svg.contains(QStringLiteral("viewBox=\"0 0 64 64\"")));
}

void DesktopTest::windowIconHasEverySize()
{
    const QIcon icon = applicationIcon();
    QList<QSize> expected;
    for (int size : iconSizes)
        expected << QSize(size, size);
    QCOMPARE(icon.availableSizes(), expected);
    QCOMPARE(icon.pixmap(QSize(48, 48)).size(), QSize(48, 48));
}

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
