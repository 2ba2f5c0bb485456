#include "Version.h"
#include "support/Fixture.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The .deb of this build tree, as cpack makes it, unpacked into a temporary root
// and run from there: the program must find its data by the installed layout and
// write nothing under the prefix.
class PackageTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void controlFields();
    void layout_data();
    void layout();
    void cliRunsFromTheUnpackedRoot_data();
    void cliRunsFromTheUnpackedRoot();
    void guiSavesSettingsInTheUserFolder();

private:
    QString root(const QString &relative) const { return m_work.filePath(QStringLiteral("root/usr/") + relative); }
    QTemporaryDir m_work;
    QString m_deb;
};

namespace {

// Every file under a folder with its size and time, to see that nothing changed.
QStringList listing(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        files << QStringLiteral("%1 %2 %3").arg(info.filePath()).arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
}

} // namespace

void PackageTest::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("dpkg-deb")).isEmpty())
        QSKIP("dpkg-deb is not installed, so there is no .deb to test");
    QVERIFY(m_work.isValid());
    // gzip instead of xz: the package is thrown away after the test.
    const ProgramRun pack = runProgram(QStringLiteral(VELMORA_CPACK),
                                       {"-G", "DEB", "--config", QStringLiteral(VELMORA_BINARY_DIR "/CPackConfig.cmake"),
                                        "-B", m_work.filePath(QStringLiteral("package")), "-D",
                                        "CPACK_DEBIAN_COMPRESSION_TYPE=gzip"},
                                       QProcessEnvironment::systemEnvironment(), 300000);
    QVERIFY2(pack.status == 0, qPrintable(pack.out + pack.err));
    const QStringList debs = QDir(m_work.filePath(QStringLiteral("package"))).entryList({"velmora_*.deb"});
    QCOMPARE(debs.size(), 1);
    m_deb = m_work.filePath(QStringLiteral("package/") + debs.first());
    const ProgramRun unpack = runProgram(QStringLiteral("dpkg-deb"), {"-x", m_deb, m_work.filePath(QStringLiteral("root"))});
    QVERIFY2(unpack.status == 0, qPrintable(unpack.err));
}

void PackageTest::controlFields()
{
    const ProgramRun fields =
        runProgram(QStringLiteral("dpkg-deb"), {"-f", m_deb, "Package", "Version", "Section", "Depends", "Description"});
    QCOMPARE(fields.status, 0);
    QVERIFY2(fields.out.contains(QStringLiteral("Package: velmora\n")), qPrintable(fields.out));
    QVERIFY(fields.out.contains(QStringLiteral("Version: %1\n").arg(QLatin1String(velmoraVersion))));
    QVERIFY(fields.out.contains(QStringLiteral("Section: misc\n")));
    // From the binaries, and the fonts and platform plugins no binary links.
    for (const char *package : {"libqt6widgets6", "libsqlite3-0", "libjpeg62-turbo", "qt6-qpa-plugins", "fonts-noto-cjk",
                                "fonts-arphic-ukai", "fonts-dejavu-core", "fonts-urw-base35"})
        QVERIFY2(fields.out.contains(QLatin1String(package)), package);
    QVERIFY(fields.out.contains(QStringLiteral("Description: Chinese dream dictionary")));
    QVERIFY(fields.out.contains(QStringLiteral("周公解梦")));
}

void PackageTest::layout_data()
{
    const QString id = QLatin1String(velmoraAppId);
    QTest::addColumn<QString>("path");
    for (const QString &path : {QStringLiteral("bin/velmora"), QStringLiteral("bin/velmora-cli"),
                                QStringLiteral("share/velmora/dream.dll"), QStringLiteral("share/velmora/teler.dll"),
                                QStringLiteral("share/velmora/skin/mxp3.dll"), QStringLiteral("share/velmora/pictures/icon.png"),
                                QStringLiteral("share/applications/%1.desktop").arg(id),
                                QStringLiteral("share/metainfo/%1.metainfo.xml").arg(id),
                                QStringLiteral("share/icons/hicolor/scalable/apps/velmora.svg"),
                                QStringLiteral("share/icons/hicolor/16x16/apps/velmora.png"),
                                QStringLiteral("share/icons/hicolor/256x256/apps/velmora.png"),
                                QStringLiteral("share/man/man1/velmora-cli.1.gz"), QStringLiteral("share/man/man1/velmora.1.gz"),
                                QStringLiteral("share/bash-completion/completions/velmora-cli")})
        QTest::newRow(qPrintable(path)) << path;
}

void PackageTest::layout()
{
    QFETCH(QString, path);
    QVERIFY2(QFileInfo(root(path)).isFile(), qPrintable(root(path)));
    QVERIFY(!QFileInfo::exists(root(QStringLiteral("lib/velmora"))));
    QVERIFY(!QFileInfo::exists(root(QStringLiteral("share/velmora/velmora"))));
}

void PackageTest::cliRunsFromTheUnpackedRoot_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("stats") << QStringList{"stats"};
    QTest::newRow("exact dream") << QStringList{"dream", "--exact", "蛇"};
}

// The same answers as the build tree's portable program, from the installed data.
void PackageTest::cliRunsFromTheUnpackedRoot()
{
    QFETCH(QStringList, args);
    const ProgramRun cli = runProgram(root(QStringLiteral("bin/velmora-cli")), args);
    QVERIFY2(cli.status == 0, qPrintable(cli.err));
    QVERIFY(!cli.out.isEmpty());
    QCOMPARE(cli.out, runProgram(programDirPath(QStringLiteral("velmora-cli")), args).out);
}

void PackageTest::guiSavesSettingsInTheUserFolder()
{
    const QStringList before = listing(m_work.filePath(QStringLiteral("root")));
    const QString config = m_work.filePath(QStringLiteral("config"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    env.insert(QStringLiteral("XDG_CACHE_HOME"), m_work.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(VELMORA_DRIVER_PLUGIN_DIR));
    env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("velmoradriver"));
    env.insert(QStringLiteral("VELMORA_DRIVER_SKIN"), QStringLiteral("2"));
    env.insert(QStringLiteral("VELMORA_DRIVER_REPORT"), m_work.filePath(QStringLiteral("report")));

    // The start-up banner asks the maker's server; in a network namespace of its own
    // the program gives up at once instead of reaching out. Tests never go outside.
    if (runProgram(QStringLiteral("unshare"), {"-rn", "true"}).status != 0)
        QSKIP("unshare -rn is not allowed here, and the installed program would ask the banner server");
    const ProgramRun gui = runProgram(QStringLiteral("unshare"), {"-rn", root(QStringLiteral("bin/velmora"))}, env, 120000);
    const QString report = fileContents(m_work.filePath(QStringLiteral("report")));
    QVERIFY2(gui.status == 0, qPrintable(report + QLatin1Char('\n') + gui.err.right(2000)));

    // The skin came from the installed program directory...
    const QString skin = fileContents(root(QStringLiteral("share/velmora/skin/mxp3.dll")));
    QVERIFY(!skin.isEmpty());
    QCOMPARE(report, QStringLiteral("style sheet: ") + skin);
    // ...and the settings went to the user's folder, made from the shipped default.
    const QString settings = fileContents(config + QStringLiteral("/Velmora/teler.dll"));
    QVERIFY2(settings.contains(QStringLiteral("skin=2")), qPrintable(settings));
    QCOMPARE(listing(m_work.filePath(QStringLiteral("root"))), before);
}

QTEST_GUILESS_MAIN(PackageTest)
#include "tst_package.moc"
