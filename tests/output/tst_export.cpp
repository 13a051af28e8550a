// Export of the year sheet: the PNG is what the window draws, the PDF is one A4
// landscape page with real text, bad targets are refused without leftovers and left as
// they were, names are bytes.
#include "app/frmforma.h"
#include "output/sheetexport.h"
#include "calendar/yeartables.h"
#include "paint/fonts.h"
#include "ui/picturearea.h"
#include "ui/qtext.h"
#include "fileprobe.h"
#include "programrun.h"
#include "windowdriver.h"

#include <QCheckBox>
#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace ortelana;
using namespace fileprobe;
using programrun::Run;

namespace {

// Runs `script` in /bin/sh with the real program as $0 and `arguments` as $1 …, in `dir`.
Run runShell(const QString &script, const QStringList &arguments, const QString &dir,
             const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    return programrun::runShell(script, QStringLiteral(ORTELANA_BINARY), arguments, dir, env);
}

Run exportTo(const QString &file, const QString &dir)
{
    return runShell(QStringLiteral("exec \"$0\" --export \"$1\" --year 2024"), {file}, dir);
}


} // namespace

class tst_Export : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pngIsWhatTheWindowDraws_data();
    void pngIsWhatTheWindowDraws();
    void pdfIsOneLandscapePageWithText();
    void badTargetsLeaveNothingBehind_data();
    void badTargetsLeaveNothingBehind();
    void refusedTargetsAreLeftAlone_data();
    void refusedTargetsAreLeftAlone();
    void namesAreTakenAsBytes_data();
    void namesAreTakenAsBytes();
    void replacedFileKeepsModeAndOwner();
    void successIsQuiet_data();
    void successIsQuiet();
};

void tst_Export::initTestCase()
{
    registerFontSubstitutes();
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
    frmForma window;
    window.calendarPicture()->setImageScale(2);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.DrawSheet();
    driver::confirmYear(window, year);
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

// The real program refuses, with status 1 and one line, a target it must not replace,
// and leaves it exactly as it was (the safe writer's own test has every kind).
void tst_Export::refusedTargetsAreLeftAlone_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("reason");
    QTest::newRow("symbolic link") << "link" << "символическая ссылка";
    QTest::newRow("FIFO") << "fifo" << "не обычный файл";
}

void tst_Export::refusedTargetsAreLeftAlone()
{
    QFETCH(QString, what);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("sheet.png"));
    const QString victim = dir.filePath(QStringLiteral("victim"));
    const QByteArray name = QFile::encodeName(target);
    {
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    if (what == QLatin1String("link"))
        QVERIFY(QFile::link(victim, target));
    else
        QCOMPARE(::mkfifo(name.constData(), 0666), 0);
    const Snapshot before = snapshot(target);
    const Snapshot victimBefore = snapshot(victim);
    const QList<QByteArray> entriesBefore = rawEntries(dir.path());

    const Run run = exportTo(target, dir.path());
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.front().startsWith(QStringLiteral("ortelana: ")) && lines.front().contains(reason), qPrintable(run.err));
    QVERIFY(snapshot(target) == before);
    QVERIFY(snapshot(victim) == victimBefore);
    QCOMPARE(rawEntries(dir.path()), entriesBefore);
}

void tst_Export::namesAreTakenAsBytes_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("255 bytes, the longest a name may be") << QByteArray(251, 'y') + ".png";
    QTest::newRow("not UTF-8") << QByteArray("\xff\xfe.png");
    QTest::newRow("Cyrillic") << QByteArray("Год.pdf");
}

// Each name is written under exactly its bytes, and can be written again: the
// temporary name beside it is short whatever the target's.
void tst_Export::namesAreTakenAsBytes()
{
    QFETCH(QByteArray, name);
    QTemporaryDir dir;
    const auto cleanUp = qScopeGuard([&] { ::unlink((QFile::encodeName(dir.path()) + '/' + name).constData()); });
    // The shell's printf turns octal escapes into the raw bytes.
    QString escaped;
    for (const char c : name)
        escaped += QStringLiteral("\\%1").arg(uint(uchar(c)), 3, 8, QLatin1Char('0'));
    const QString script = QStringLiteral("exec \"$0\" --export \"$(printf '%1')\" --year 2024").arg(escaped);
    for (int time = 1; time <= 2; ++time) {
        const Run run = runShell(script, {}, dir.path());
        QVERIFY2(run.exitCode == 0, qPrintable(QStringLiteral("export %1: ").arg(time) + run.err));
        QCOMPARE(run.err, QString());
        QCOMPARE(rawEntries(dir.path()), QList<QByteArray>{name});
    }
    struct stat info {};
    QCOMPARE(::stat((QFile::encodeName(dir.path()) + '/' + name).constData(), &info), 0);
    QVERIFY(info.st_size > 1000);
}

void tst_Export::replacedFileKeepsModeAndOwner()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sheet.pdf"));
    const QByteArray name = QFile::encodeName(file);
    QVERIFY(QFile::copy(QStringLiteral(ORTELANA_BINARY), file));
    QCOMPARE(::chmod(name.constData(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root)
        QCOMPARE(::chown(name.constData(), 65534, 65534), 0);

    const Run run = exportTo(file, dir.path());
    QCOMPARE(run.exitCode, 0);
    struct stat info {};
    QCOMPARE(::stat(name.constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0640));
    if (root) {
        QCOMPARE(info.st_uid, uid_t(65534));
        QCOMPARE(info.st_gid, gid_t(65534));
    }
    QVERIFY(readAll(file).startsWith("%PDF"));
}

void tst_Export::successIsQuiet_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("runtimeDirectory");   // private, none, open to all, a file
    QTest::newRow("png") << "y.png" << "private";
    QTest::newRow("pdf") << "y.pdf" << "private";
    QTest::newRow("png, no XDG_RUNTIME_DIR") << "y.png" << "none";
    QTest::newRow("pdf, no XDG_RUNTIME_DIR") << "y.pdf" << "none";
    QTest::newRow("png, XDG_RUNTIME_DIR open to all") << "y.png" << "open to all";
    QTest::newRow("pdf, XDG_RUNTIME_DIR a file") << "y.pdf" << "a file";
}

void tst_Export::successIsQuiet()
{
    QFETCH(QString, file);
    QFETCH(QString, runtimeDirectory);
    QTemporaryDir dir;
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    if (runtimeDirectory == QLatin1String("none"))
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    else if (runtimeDirectory == QLatin1String("open to all"))
        QVERIFY(QFile::setPermissions(runtime.path(), QFile::Permissions(0x7777)));
    else if (runtimeDirectory == QLatin1String("a file"))
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QStringLiteral(ORTELANA_BINARY));
    const Run run = runShell(QStringLiteral("exec \"$0\" --export \"$1\""), {file}, dir.path(), env);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
}

QTEST_MAIN(tst_Export)
#include "tst_export.moc"

