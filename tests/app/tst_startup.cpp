// Start-up in a hostile setting: a current directory that no longer exists, no help
// document beside the program, no substitute font installed; and dialogs opened and
// closed a thousand times leave nothing behind.  Opening at a year given on the command
// line, Qt's own texts in Russian whatever the locale, and no library taken from the
// current directory.
#include "app/frmforma.h"
#include "app/startup.h"
#include "app/yearbox.h"
#include "paint/fonts.h"
#include "ui/picturearea.h"
#include "unprivileged.h"

#include "desktopstandin.h"
#include "programrun.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>
#include <unistd.h>

using namespace ortelana;

namespace {

using programrun::staysUp;

QProcessEnvironment offscreen()
{
    return programrun::environmentWith({QStringLiteral("QT_QPA_PLATFORM=offscreen")});
}

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutes(); }
    void survivesAVanishedCurrentDirectory();
    void survivesAnUnwritableCurrentDirectory();
    void survivesAMissingHelpDocument();
    void survivesAMissingSubstituteFont();
    void dialogsLeaveNothingBehind();
    void opensAtTheYearAsked_data();
    void opensAtTheYearAsked();
    // The clock's own years, 3 and 10 000 among them, are tested on the real program.
    void startYearIsTheWholeYear_data();
    void startYearIsTheWholeYear();
    void qtTextsAreRussian();
    void runPathHasNoEmptyEntry();
};

void tst_Startup::survivesAVanishedCurrentDirectory()
{
    QTemporaryDir dir;
    const QString gone = dir.filePath(QStringLiteral("gone"));
    QVERIFY(QDir().mkdir(gone));
    QProcess window;
    window.setProcessEnvironment(offscreen());
    window.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("cd \"$1\" && rmdir \"$1\" && exec \"$2\""),
                                             QStringLiteral("sh"), gone, QStringLiteral(ORTELANA_BINARY)});
    QVERIFY2(staysUp(window), qPrintable(QString::fromUtf8(window.readAllStandardError())));

    QProcess exporter;
    exporter.setProcessEnvironment(offscreen());
    const QString file = dir.filePath(QStringLiteral("from-nowhere.png"));
    QVERIFY(QDir().mkdir(gone));
    exporter.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("cd \"$1\" && rmdir \"$1\" && exec \"$2\" --export \"$3\""),
                                               QStringLiteral("sh"), gone, QStringLiteral(ORTELANA_BINARY), file});
    QVERIFY(exporter.waitForFinished(20000));
    QCOMPARE(exporter.exitCode(), 0);
    QVERIFY(!QImage(file).isNull());
}

// A folder without write permission; root writes anyway, so then the program runs as
// the user nobody, from a copy that user can reach.
void tst_Startup::survivesAnUnwritableCurrentDirectory()
{
    const bool root = ::geteuid() == 0;
    QTemporaryDir dir(root ? QStringLiteral("/tmp/ortelana-XXXXXX") : QDir::tempPath() + QStringLiteral("/ortelana-XXXXXX"));
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                                  | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    const auto restore = qScopeGuard([&dir] { QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    QStringList command{QStringLiteral(ORTELANA_BINARY)};
    std::optional<unprivileged::Copy> copy;
    if (root) {
        copy.emplace(command.first());
        if (!copy->error().isEmpty())
            QSKIP(qPrintable(QStringLiteral("running as root, and ") + copy->error()));
        command = copy->command();
        // The folder is really out of that user's reach for writing.
        QProcess probe;
        probe.setWorkingDirectory(dir.path());
        probe.start(command.first(), command.mid(1, 3) + QStringList{QStringLiteral("touch"), QStringLiteral("probe")});
        QVERIFY(probe.waitForFinished(10000));
        QVERIFY(probe.exitCode() != 0);
    }
    QProcess window;
    window.setWorkingDirectory(dir.path());
    window.setProcessEnvironment(offscreen());
    window.start(command.first(), command.mid(1));
    QVERIFY2(staysUp(window), qPrintable(QString::fromUtf8(window.readAllStandardError())));
    QVERIFY(QDir(dir.path()).isEmpty());
}

// The test program's folder holds no help document: F1 opens nothing and says nothing.
void tst_Startup::survivesAMissingHelpDocument()
{
    QVERIFY(!QFile::exists(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Справка.html"))));
    DesktopStandIn recorder;

    const auto window = Main();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    window->findChild<QAction *>(QStringLiteral("MenuHelp"))->trigger();
    QTest::qWait(20);
    QVERIFY(recorder.opened.isEmpty());
    QVERIFY(window->isVisible());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

// With only DejaVu installed (a fontconfig setup that knows no other folder), the
// program still starts and still draws its sheet.
void tst_Startup::survivesAMissingSubstituteFont()
{
    if (!QFileInfo::exists(QStringLiteral("/usr/share/fonts/truetype/dejavu")))
        QSKIP("needs fonts-dejavu-core for the stand-in setup");
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("fonts.conf")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
                 "<dir>/usr/share/fonts/truetype/dejavu</dir>\n<cachedir>" + QFile::encodeName(dir.path()) + "</cachedir>\n"
                 "</fontconfig>\n");
    config.close();
    QProcessEnvironment env = offscreen();
    env.insert(QStringLiteral("FONTCONFIG_FILE"), config.fileName());

    QProcess window;
    window.setProcessEnvironment(env);
    window.start(QStringLiteral(ORTELANA_BINARY), {});
    QVERIFY2(staysUp(window), qPrintable(QString::fromUtf8(window.readAllStandardError())));

    QProcess exporter;
    exporter.setProcessEnvironment(env);
    const QString file = dir.filePath(QStringLiteral("sheet.png"));
    exporter.start(QStringLiteral(ORTELANA_BINARY), {QStringLiteral("--export"), file, QStringLiteral("--year"), QStringLiteral("2005")});
    QVERIFY(exporter.waitForFinished(20000));
    QCOMPARE(exporter.exitCode(), 0);
    const QImage sheet(file);
    QVERIFY(!sheet.isNull());
    // January's name is drawn: purple ink above the first cell.
    int purple = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 316; ++x)
            purple += sheet.pixel(x, y) == qRgb(0xC0, 0, 0xC0);
    QVERIFY2(purple > 20, qPrintable(QString::number(purple)));
}

void tst_Startup::dialogsLeaveNothingBehind()
{
    const auto window = Main();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const int topLevels = QApplication::topLevelWidgets().size();

    int closed = 0;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&closed] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            dialog->reject();
            ++closed;
        }
    });
    closer.start(0);
    for (const char *name : {"MenuNomeraNedel", "MenuAbout"}) {
        auto *action = window->findChild<QAction *>(QLatin1String(name));
        QVERIFY(action);
        for (int i = 0; i < 1000; ++i)
            action->trigger();
    }
    QCOMPARE(closed, 2000);
    QCOMPARE(window->findChildren<QDialog *>().size(), 0);
    QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
}

void tst_Startup::opensAtTheYearAsked_data()
{
    QTest::addColumn<long long>("year");
    QTest::addColumn<bool>("oldStyle");
    QTest::newRow("1917, old style off") << 1917LL << false;
    QTest::newRow("1917, old style on") << 1917LL << true;
    QTest::newRow("1") << 1LL << true;
    QTest::newRow("9999999") << 9999999LL << true;
}

void tst_Startup::opensAtTheYearAsked()
{
    QFETCH(long long, year);
    QFETCH(bool, oldStyle);
    const auto window = Main(SheetRequest{year, oldStyle});
    QCOMPARE(window->computedYear(), year);
    const QString text = QString::number(year);
    QCOMPARE(window->yearBox()->text(), text);
    QCOMPARE(window->yearBox()->cursorPosition(), int(text.size()));
    QVERIFY(!window->yearBox()->hasSelectedText());
    QCOMPARE(window->oldStyleChecked(), oldStyle);
    QVERIFY(window->findChild<QLabel *>(QStringLiteral("YEAR"))->text().contains(QStringLiteral("ГОД")));

    // Drawn as if the year had been typed and confirmed, box state included.
    frmForma typed;
    typed.DrawSheet();
    typed.yearBox()->setText(text);
    typed.setOldStyleChecked(oldStyle);
    typed.NewGod();
    QCOMPARE(typed.yearModel().monthStarts(typed.oldStyleChecked()),
             window->yearModel().monthStarts(window->oldStyleChecked()));
    QCOMPARE(window->calendarPicture()->image(), typed.calendarPicture()->image());
}

void tst_Startup::startYearIsTheWholeYear_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<long long>("year");
    QTest::newRow("12 339") << QDate(12339, 12, 31) << 12339LL;
    QTest::newRow("past the last year") << QDate(10000000, 1, 1) << 9999999LL;
    QTest::newRow("before the first") << QDate(-44, 3, 15) << 1LL;
    QTest::newRow("no date") << QDate() << 1LL;
}

void tst_Startup::startYearIsTheWholeYear()
{
    QFETCH(QDate, today);
    QFETCH(long long, year);
    QCOMPARE(startYear(today), year);
}

// Under a plain C locale, the year box's context menu, a message box and the print
// dialog speak Russian.
void tst_Startup::qtTextsAreRussian()
{
    QCOMPARE(qgetenv("LANG"), QByteArray("C.UTF-8"));   // set for this test by CTest
    QVERIFY(installRussianQtTexts());

    frmForma window;
    const std::unique_ptr<QMenu> menu(window.yearBox()->createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));   // no shortcut, no accelerator
    QVERIFY2(texts.contains(QStringLiteral("Копировать")) && texts.contains(QStringLiteral("Вставить")),
             qPrintable(texts.join(QLatin1Char('|'))));

    // Qt's translation leaves "OK" as it is; the other standard buttons are Russian.
    QMessageBox box(QMessageBox::Question, QStringLiteral("Вопрос"), QStringLiteral("…"),
                    QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Отмена"));
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Да"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Нет"));

    QPrinter printer;
    QPrintDialog dialog(&printer);
    QStringList buttons;
    for (const QPushButton *button : dialog.findChildren<QPushButton *>())
        buttons << button->text().remove(QLatin1Char('&'));
    QVERIFY2(buttons.contains(QStringLiteral("Печать")) && buttons.contains(QStringLiteral("Отмена")),
             qPrintable(buttons.join(QLatin1Char('|'))));
}

// An empty run path entry means the current directory: a library lying there would be
// loaded into the program.  Neither the build-tree nor the installed program has one,
// and any entry there is must be relative to the program itself.
void tst_Startup::runPathHasNoEmptyEntry()
{
    const QString readelf = QStandardPaths::findExecutable(QStringLiteral("readelf"));
    if (readelf.isEmpty())
        QSKIP("readelf is not installed");
    QTemporaryDir prefix;
    QProcess install;
    install.start(QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral(ORTELANA_BUILD_DIR),
                                            QStringLiteral("--prefix"), prefix.path()});
    QVERIFY(install.waitForFinished(60000));
    QCOMPARE(install.exitCode(), 0);
    for (const QString &program : {QStringLiteral(ORTELANA_BINARY), prefix.filePath(QStringLiteral("lib/ortelana/ortelana"))}) {
        QProcess dump;
        dump.start(readelf, {QStringLiteral("-d"), program});
        QVERIFY(dump.waitForFinished(20000));
        QCOMPARE(dump.exitCode(), 0);
        const QString dynamic = QString::fromUtf8(dump.readAllStandardOutput());
        QVERIFY2(dynamic.contains(QStringLiteral("NEEDED")), qPrintable(dynamic));
        static const QRegularExpression path(QStringLiteral("\\((?:RPATH|RUNPATH)\\)[^\\[]*\\[([^\\]]*)\\]"));
        for (const QRegularExpressionMatch &match : path.globalMatch(dynamic))
            for (const QString &entry : match.captured(1).split(QLatin1Char(':')))
                QVERIFY2(entry.startsWith(QStringLiteral("$ORIGIN")), qPrintable(program + QStringLiteral(": [") + match.captured(1) + QLatin1Char(']')));
    }
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
