// Export and printing of the year sheet, and the command line that asks for them:
// the PNG is what the window draws, the PDF is one A4 landscape page with real text,
// bad arguments and bad targets are refused without a window and without leftovers.
#include "app/commandline.h"
#include "app/frmforma.h"
#include "app/sheetexport.h"
#include "app/sheetprinter.h"
#include "app/yearbox.h"
#include "calendar/yeartables.h"
#include "ui/fonts.h"
#include "ui/picturearea.h"
#include "ui/qtext.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace ortelana;

namespace {

QString runTool(const QString &tool, const QStringList &arguments)
{
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        return QStringLiteral("<%1 is not installed>").arg(tool);
    QProcess process;
    process.start(path, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
    bool finished = false;
};

// Runs the real program with the environment given on top of this one's.
Run runProgram(const QStringList &arguments, const QStringList &unset = {}, int waitMs = 20000)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &name : unset)
        env.remove(name);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ORTELANA_BINARY), arguments);
    Run run;
    run.finished = process.waitForFinished(waitMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Qt may add its own warnings; the program's message is one line of its own.
bool hasMessageLine(const QString &err)
{
    const QStringList lines = err.split(QLatin1Char('\n'));
    return std::any_of(lines.begin(), lines.end(), [](const QString &line) { return line.startsWith(QStringLiteral("ortelana: ")); });
}

} // namespace

class tst_Export : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void yearRules_data();
    void yearRules();
    void commandLine_data();
    void commandLine();
    void pngIsWhatTheWindowDraws_data();
    void pngIsWhatTheWindowDraws();
    void pdfIsOneLandscapePageWithText();
    void badTargetsLeaveNothingBehind_data();
    void badTargetsLeaveNothingBehind();
    void programRefusesBadArguments_data();
    void programRefusesBadArguments();
    void programExportsWithoutDisplay();
    void programAnswersHelpAndVersion();
    void unknownArgumentsOpenTheWindow();
    void ctrlPOpensThePrintDialog();
    void printedPageIsTheShownYear();
};

void tst_Export::initTestCase()
{
    registerFontSubstitutes();
}

void tst_Export::yearRules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<long long>("year");   // 0: refused
    QTest::newRow("0") << "0" << 0LL;
    QTest::newRow("0000") << "0000" << 0LL;
    QTest::newRow("-5") << "-5" << 0LL;
    QTest::newRow("12345678") << "12345678" << 0LL;
    QTest::newRow("abc") << "abc" << 0LL;
    QTest::newRow("2024x") << "2024x" << 0LL;
    QTest::newRow("empty") << "" << 0LL;
    QTest::newRow("blank before") << " 2024" << 0LL;
    QTest::newRow("plus sign") << "+2024" << 0LL;
    QTest::newRow("Arabic-Indic digits") << "١٢٣" << 0LL;
    QTest::newRow("1") << "1" << 1LL;
    QTest::newRow("007") << "007" << 7LL;
    QTest::newRow("2024") << "2024" << 2024LL;
    QTest::newRow("9999999") << "9999999" << 9999999LL;
}

void tst_Export::yearRules()
{
    QFETCH(QString, text);
    QFETCH(long long, year);
    const std::optional<long long> parsed = parseYear(text);
    QCOMPARE(parsed.has_value(), year != 0);
    if (parsed)
        QCOMPARE(*parsed, year);
}

void tst_Export::commandLine_data()
{
    using Action = CommandLine::Action;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<long long>("year");
    QTest::addColumn<bool>("oldStyle");

    QTest::newRow("none") << QStringList{} << int(Action::Window) << 0 << 0LL << true;
    QTest::newRow("a file name") << QStringList{"notes.txt"} << int(Action::Window) << 0 << 0LL << true;
    QTest::newRow("unknown option") << QStringList{"--foo"} << int(Action::Window) << 0 << 0LL << true;
    QTest::newRow("year alone") << QStringList{"--year", "1917"} << int(Action::Window) << 0 << 0LL << true;
    QTest::newRow("export, current year") << QStringList{"--export", "y.png"} << int(Action::Export) << 0 << 2026LL << true;
    QTest::newRow("export with unknown option") << QStringList{"--foo", "--export", "y.pdf", "--year", "1917", "--old-style", "off"}
                                                << int(Action::Export) << 0 << 1917LL << false;
    QTest::newRow("export=file") << QStringList{"--export=y.png", "--year=5"} << int(Action::Export) << 0 << 5LL << true;
    QTest::newRow("export without file") << QStringList{"--export"} << int(Action::Refuse) << 2 << 0LL << true;
    QTest::newRow("export empty file") << QStringList{"--export", ""} << int(Action::Refuse) << 2 << 0LL << true;
    QTest::newRow("year 0") << QStringList{"--export", "y.png", "--year", "0"} << int(Action::Refuse) << 2 << 0LL << true;
    QTest::newRow("year -5") << QStringList{"--export", "y.png", "--year", "-5"} << int(Action::Refuse) << 2 << 0LL << true;
    QTest::newRow("year without value") << QStringList{"--export", "y.png", "--year"} << int(Action::Refuse) << 2 << 0LL << true;
    QTest::newRow("old style maybe") << QStringList{"--export", "y.png", "--old-style", "maybe"} << int(Action::Refuse) << 2 << 0LL << true;
    QTest::newRow("help") << QStringList{"--help"} << int(Action::Help) << 0 << 0LL << true;
    QTest::newRow("version") << QStringList{"--version"} << int(Action::Version) << 0 << 0LL << true;
}

void tst_Export::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(int, exitCode);
    QFETCH(long long, year);
    QFETCH(bool, oldStyle);
    arguments.prepend(QStringLiteral("ortelana"));
    const CommandLine command = parseCommandLine(arguments, 2026);
    QCOMPARE(int(command.action), action);
    if (command.action == CommandLine::Action::Refuse) {
        QCOMPARE(command.exitCode, exitCode);
        QVERIFY(command.message.startsWith(QStringLiteral("ortelana: ")));
        QVERIFY(!command.message.contains(QLatin1Char('\n')));
    }
    if (command.action == CommandLine::Action::Export) {
        QCOMPARE(command.request.year, year);
        QCOMPARE(command.request.oldStyle, oldStyle);
    }
}

void tst_Export::pngIsWhatTheWindowDraws_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("oldStyle");
    QTest::newRow("1") << "1" << true;
    QTest::newRow("1917 old style off") << "1917" << false;
    QTest::newRow("9999") << "9999" << true;
    QTest::newRow("10000") << "10000" << true;
    QTest::newRow("9999999") << "9999999" << true;
}

void tst_Export::pngIsWhatTheWindowDraws()
{
    QFETCH(QString, year);
    QFETCH(bool, oldStyle);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sheet.png"));
    const ExportResult result = exportSheet(file, {year.toLongLong(), oldStyle});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.message.isEmpty());
    const QImage exported(file);
    QCOMPARE(exported.size(), QSize(629 * 2, 389 * 2));

    // The window, at twice the density, driven from the keyboard.
    SharedTables tables;
    frmForma window(tables);
    window.calendarPicture()->setImageScale(2);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.DrawSheet();
    window.yearBox()->clear();
    QTest::keyClicks(window.yearBox(), year);
    QTest::keyClick(window.yearBox(), Qt::Key_Return);
    if (!oldStyle)
        QTest::mouseClick(window.findChild<QCheckBox *>(QStringLiteral("StilChck")), Qt::LeftButton);
    QImage shown = window.calendarPicture()->image().convertToFormat(QImage::Format_RGB32);
    QImage written = exported.convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(1);   // a PNG file keeps no density
    written.setDevicePixelRatio(1);
    QCOMPARE(shown, written);
}

void tst_Export::pdfIsOneLandscapePageWithText()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sheet.pdf"));
    QCOMPARE(exportSheet(file, {2027, true}).exitCode, 0);

    const QString info = runTool(QStringLiteral("pdfinfo"), {file});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("842 x 595 pts (A4)")), qPrintable(info));

    const QString text = runTool(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    QVERIFY2(text.contains(QStringLiteral("2027")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("ГОД ОВЦЫ")), qPrintable(text));
    for (const std::string_view name : MonthName)
        QVERIFY2(text.contains(toQString(name)), name.data());
}

void tst_Export::badTargetsLeaveNothingBehind_data()
{
    QTest::addColumn<QString>("target");   // relative to a fresh folder
    QTest::newRow("unknown extension") << "sheet.txt";
    QTest::newRow("no extension") << "sheet";
    QTest::newRow("folder that does not exist") << "missing/sheet.png";
    QTest::newRow("under a plain file") << "plain/sheet.png";
    QTest::newRow("symbolic link") << "link.png";
    QTest::newRow("a folder") << "folder.png";
}

void tst_Export::badTargetsLeaveNothingBehind()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QFile victim(dir.filePath(QStringLiteral("victim")));
    QVERIFY(victim.open(QIODevice::WriteOnly));
    victim.write("keep me");
    victim.close();
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("victim")), dir.filePath(QStringLiteral("link.png"))));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);

    const ExportResult result = exportSheet(dir.filePath(target), {2005, true});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.message.startsWith(QStringLiteral("ortelana: ")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), before);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("link.png"))).isSymLink());
    QVERIFY(victim.open(QIODevice::ReadOnly));
    QCOMPARE(victim.readAll(), QByteArray("keep me"));
}

void tst_Export::programRefusesBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("year 0") << QStringList{"--year", "0"} << 2;
    QTest::newRow("year -5") << QStringList{"--year", "-5"} << 2;
    QTest::newRow("year 12345678") << QStringList{"--year", "12345678"} << 2;
    QTest::newRow("year abc") << QStringList{"--year", "abc"} << 2;
    QTest::newRow("year 2024x") << QStringList{"--year", "2024x"} << 2;
    QTest::newRow("year empty") << QStringList{"--year", ""} << 2;
    QTest::newRow("unknown extension") << QStringList{"--year", "2024", "--export-to-txt"} << 1;
}

void tst_Export::programRefusesBadArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QTemporaryDir dir;
    const QString file = dir.filePath(exitCode == 1 ? QStringLiteral("y.txt") : QStringLiteral("y.png"));
    if (arguments.last() == QLatin1String("--export-to-txt"))
        arguments.removeLast();
    const Run run = runProgram(QStringList{QStringLiteral("--export"), file} + arguments, {QStringLiteral("DISPLAY")});
    QVERIFY2(run.finished, "the program must end by itself, showing no window");
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(hasMessageLine(run.err), qPrintable(run.err));
    QVERIFY(!QFile::exists(file));

    const Run missing = runProgram({QStringLiteral("--export")}, {QStringLiteral("DISPLAY")});
    QVERIFY(missing.finished);
    QCOMPARE(missing.exitCode, 2);
    QVERIFY(!missing.err.isEmpty());
}

void tst_Export::programExportsWithoutDisplay()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("y.pdf"));
    const Run run = runProgram({QStringLiteral("--export"), file, QStringLiteral("--year"), QStringLiteral("2027")},
                               {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("QT_QPA_PLATFORM")});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(QFileInfo(file).size() > 1000);
    QVERIFY(runTool(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}).contains(QStringLiteral("2027")));
}

void tst_Export::programAnswersHelpAndVersion()
{
    const Run help = runProgram({QStringLiteral("--help")}, {QStringLiteral("DISPLAY"), QStringLiteral("QT_QPA_PLATFORM")});
    QVERIFY(help.finished);
    QCOMPARE(help.exitCode, 0);
    QVERIFY2(help.out.contains(QStringLiteral("--export")) && help.out.contains(QStringLiteral("--old-style")), qPrintable(help.out));
    const Run version = runProgram({QStringLiteral("--version")}, {QStringLiteral("DISPLAY"), QStringLiteral("QT_QPA_PLATFORM")});
    QVERIFY(version.finished);
    QCOMPARE(version.exitCode, 0);
    QVERIFY2(version.out.startsWith(QStringLiteral("ortelana 4.1")), qPrintable(version.out));
}

// A launcher's stray arguments start the window as always: the program keeps running.
void tst_Export::unknownArgumentsOpenTheWindow()
{
    for (const QStringList &arguments : {QStringList{QStringLiteral("notes.txt")}, QStringList{QStringLiteral("--foo")}}) {
        const Run run = runProgram(arguments, {}, 1500);
        QVERIFY2(!run.finished, qPrintable(arguments.join(' ') + QStringLiteral(": ") + run.err));
    }
}

void tst_Export::ctrlPOpensThePrintDialog()
{
    SharedTables tables;
    frmForma window(tables);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.DrawSheet();
    window.NewGod();

    QString seenTitle;
    QTimer::singleShot(50, [&seenTitle] {
        if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
            seenTitle = dialog->objectName();
            dialog->reject();
        }
    });
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(seenTitle, QStringLiteral("printDialog"));
    QVERIFY(window.isVisible());
}

void tst_Export::printedPageIsTheShownYear()
{
    SharedTables tables;
    frmForma window(tables);
    window.DrawSheet();
    window.yearBox()->setText(QStringLiteral("1917"));
    window.NewGod();

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
    printer.setPageOrientation(QPageLayout::Landscape);
    QVERIFY(printSheet(window, printer));
    const QString text = runTool(QStringLiteral("pdftotext"), {dir.filePath(QStringLiteral("printed.pdf")), QStringLiteral("-")});
    QVERIFY2(text.contains(QStringLiteral("1917")) && text.contains(QStringLiteral("ГОД ЗМЕИ")), qPrintable(text));
}

QTEST_MAIN(tst_Export)
#include "tst_export.moc"
