#include "support/Fixture.h"

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

// The manual pages and the bash completion against the commands velmora-cli really has.
class CliDocsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void manPagesRenderWithoutWarnings_data();
    void manPagesRenderWithoutWarnings();
    void everyCommandIsDocumentedAndCompleted();
    void completion_data();
    void completion();
    void completedSignsArePairable();

private:
    QStringList complete(const QString &line);
    QStringList m_commands;
};

namespace {


const char *completionScript = VELMORA_SOURCE_DIR "/cli/velmora-cli.bash-completion";
const char *bashCompletion = "/usr/share/bash-completion/bash_completion";

} // namespace

void CliDocsTest::initTestCase()
{
    const ProgramRun run = runProgram(programDirPath(QStringLiteral("velmora-cli")), {"--help"});
    QCOMPARE(run.status, 0);
    static const QRegularExpression row(QStringLiteral("^  ([a-z]+)  "), QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch &match : row.globalMatch(run.out))
        m_commands << match.captured(1);
    QVERIFY(m_commands.size() >= 11);
}

void CliDocsTest::manPagesRenderWithoutWarnings_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("velmora-cli") << QStringLiteral(VELMORA_BINARY_DIR "/cli/velmora-cli.1");
    QTest::newRow("velmora") << QStringLiteral(VELMORA_BINARY_DIR "/app/velmora.1");
}

void CliDocsTest::manPagesRenderWithoutWarnings()
{
    QFETCH(QString, page);
    if (QStandardPaths::findExecutable(QStringLiteral("groff")).isEmpty())
        QSKIP("groff is not installed");
    QVERIFY(QFile::exists(page));
    QVERIFY(QFile::exists(page + QStringLiteral(".gz")));
    const ProgramRun groff = runProgram(QStringLiteral("groff"), {"-k", "-man", "-Tutf8", "-ww", "-z", page});
    QCOMPARE(groff.status, 0);
    QCOMPARE(groff.err, QString());
}

void CliDocsTest::everyCommandIsDocumentedAndCompleted()
{
    const QString page = fileContents(QStringLiteral(VELMORA_BINARY_DIR "/cli/velmora-cli.1"));
    const QString script = fileContents(QString::fromUtf8(completionScript));
    static const QRegularExpression listed(QStringLiteral("local commands=\"([^\"]*)\""));
    const QStringList completed = listed.match(script).captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &command : std::as_const(m_commands)) {
        const QRegularExpression entry(QStringLiteral("^(\\.BI? |\\\\fB)%1\\b").arg(command),
                                       QRegularExpression::MultilineOption);
        QVERIFY2(entry.match(page).hasMatch(), qPrintable(command + QStringLiteral(" is not in the manual page")));
        QVERIFY2(completed.contains(command), qPrintable(command + QStringLiteral(" is not completed")));
    }
    QCOMPARE(completed.size(), m_commands.size());
    QVERIFY(page.contains(QStringLiteral(".TH VELMORA-CLI 1")));
}

QStringList CliDocsTest::complete(const QString &line)
{
    // bash-completion's own loader and helpers, then our script, called as bash would.
    const QString driver = QStringLiteral(
        "source %1; source %2\n"
        "COMP_LINE=\"$1\"; COMP_POINT=${#COMP_LINE}\n"
        "read -ra COMP_WORDS <<<\"$COMP_LINE\"\n"
        "[[ $COMP_LINE == *' ' ]] && COMP_WORDS+=(\"\")\n"
        "COMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
        "_velmora_cli velmora-cli \"${COMP_WORDS[COMP_CWORD]}\" \"${COMP_WORDS[COMP_CWORD-1]}\"\n"
        "printf '%s\\n' \"${COMPREPLY[@]}\"\n")
                               .arg(QLatin1String(bashCompletion), QLatin1String(completionScript));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), programDirPath(QString()) + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    const ProgramRun bash = runProgram(QStringLiteral("bash"), {"-c", driver, "complete", line}, env);
    if (bash.status != 0)
        return {QStringLiteral("bash failed: ") + bash.err};
    return bash.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void CliDocsTest::completion_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("command prefix") << "velmora-cli dr" << QStringList{"dream"};
    QTest::newRow("commands sharing a prefix") << "velmora-cli d" << QStringList{"dream", "day"};
    QTest::newRow("holidays import") << "velmora-cli holidays i" << QStringList{"import"};
    QTest::newRow("day options") << "velmora-cli day --" << QStringList{"--json", "--help"};
    QTest::newRow("option") << "velmora-cli --v" << QStringList{"--version"};
    QTest::newRow("dream options") << "velmora-cli dream --" << QStringList{"--exact", "--like", "--help"};
    QTest::newRow("help after a command") << "velmora-cli stats --" << QStringList{"--help"};
    QTest::newRow("category from the dictionary") << "velmora-cli entries 动物" << QStringList{"动物类"};
    QTest::newRow("first sign") << "velmora-cli pair 白" << QStringList{"白羊座"};
    QTest::newRow("second sign") << "velmora-cli pair 白羊座 狮" << QStringList{"狮子座"};
    QTest::newRow("no third sign") << "velmora-cli pair 白羊座 狮子座 " << QStringList{};
    QTest::newRow("free text") << "velmora-cli dream 白" << QStringList{};
}

void CliDocsTest::completion()
{
    QFETCH(QString, line);
    QFETCH(QStringList, expected);
    if (!QFile::exists(QLatin1String(bashCompletion)))
        QSKIP("bash-completion is not installed");
    QCOMPARE(complete(line), expected);
}

void CliDocsTest::completedSignsArePairable()
{
    if (!QFile::exists(QLatin1String(bashCompletion)))
        QSKIP("bash-completion is not installed");
    const QStringList signs = complete(QStringLiteral("velmora-cli pair "));
    QCOMPARE(signs.size(), 12);
    for (const QString &sign : signs) {
        const ProgramRun run = runProgram(programDirPath(QStringLiteral("velmora-cli")), {"pair", sign, sign});
        QVERIFY2(run.status == 0 || run.status == 1, qPrintable(sign + run.err));
    }
    QCOMPARE(complete(QStringLiteral("velmora-cli ")).size(), m_commands.size() + 2);
}

QTEST_GUILESS_MAIN(CliDocsTest)
#include "tst_clidocs.moc"
