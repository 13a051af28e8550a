// The Windows program under Wine, on a private Xvfb, driven from outside with real key
// and mouse events (xdotool) and read back by its pixels.  Wine's virtual desktop
// covers the screen, so the program's windows are found in a picture of the screen
// (sheetprobe.h; the About window by its stripes) and every drawn year is checked
// slot for slot against the scene.  Wine hands "open" to the host's xdg-open, which a
// stand-in first on PATH records.  Each test function starts the program afresh at
// 2005, with no page written and nothing opened yet.  Runs in a session of its own
// (tests/session/ortelana-session --x11 --screen 1024x768x24 --opener --cups-optional),
// whose private print queue, when one starts, is where Wine prints.
#include "pixelprobe.h"
#include "session/steps.h"
#include "sheetprobe.h"

#include "behaviour/words.h"
#include "calendar/contrast.h"
#include "ui/qtext.h"

#include <QDir>
#include <QMap>
#include <QElapsedTimer>
#include <QUrl>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QClipboard>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>

using namespace ortelana;
using namespace sheetprobe;

namespace {
// Runs a helper (xdotool, cp) to its end, 30 s at most; returns its status, or -1.
int runBounded(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(5000);
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Returns: a PostScript string's text, its octal escapes being bytes of code page
// 1251, which is how Wine's PostScript driver writes the document's name.
QString fromPostScript1251(const QByteArray &escaped)
{
    QString text;
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        int byte = static_cast<unsigned char>(escaped[i]);
        if (byte == '\\' && i + 3 < escaped.size()) {
            byte = escaped.mid(i + 1, 3).toInt(nullptr, 8);
            i += 3;
        }
        text += byte >= 0xC0 ? QChar(0x410 + byte - 0xC0) : byte == 0xA8 ? QChar(0x401) : byte == 0xB8 ? QChar(0x451) : QChar(byte);
    }
    return text;
}

bool near(QRgb pixel, QRgb colour)
{
    // The page's renderer makes 192 of 0xC0 191.
    return qAbs(qRed(pixel) - qRed(colour)) <= 2 && qAbs(qGreen(pixel) - qGreen(colour)) <= 2
           && qAbs(qBlue(pixel) - qBlue(colour)) <= 2;
}

// Returns: the box round the pixels of `area` that changed from `before` to `after`:
// the focus frames.
QRect changedBox(const QImage &before, const QImage &after, const QRect &area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (after.pixel(x, y) != before.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}
} // namespace

class tst_Wine : public QObject
{
    Q_OBJECT

public:
    explicit tst_Wine(QString openedLog) : openedLog(std::move(openedLog)) {}

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsAtTheYearAsked();
    void runsWithoutADisplay_data();
    void runsWithoutADisplay();
    void weekNumbersRememberTheMonth();
    void typingFiltersAndEnterDraws();
    void eightDigitsAndTheYearKeys();
    void dayCursorMovesOverTheDays();
    void screenReaderHearsTheDay();
    void yearZeroIsRefused();
    void aboutWindow();
    void printsTheSheet_data();
    void printsTheSheet();
    void helpOpensTheWindowsDocument();
    void exitEndsWithStatusZero();
    // Before the dark scheme, which stays in the prefix: its texts are read as dark ink.
    void textScalesWithTheScreen_data();
    void textScalesWithTheScreen();
    void darkThemeKeepsTheInkReadable();
    void everyDayIsSpokenByItsDate();
    void cleanupTestCase();

private:
    void keys(const QStringList &names);
    void type(const QString &text);
    // Waits (at most `seconds`) for `ready` to hold on a fresh screenshot.
    bool waitFor(const std::function<bool(const QImage &)> &ready, int seconds);
    QStringList opened() const;
    // What msaa_listener.exe --list reads of the window named `title`, a line each.
    QStringList browse(const QString &title);

    // Sets the prefix's dots per inch, read when the program starts.
    bool setDpi(int dpi);

    QString openedLog;   // the stand-in opener's record, a line a call
    QMap<QString, int> at96;   // what textScalesWithTheScreen measured at 96 dpi
    QString source = QStringLiteral(ORTELANA_SOURCE_DIR);
    QTemporaryDir prefix, work;
    QProcess program;
    QProcess listener;         // a screen reader's ears: focus events, a line each
};

void tst_Wine::keys(const QStringList &names)
{
    QStringList pressed;
    for (const QString &name : names)
        pressed << session::pressedKey(name);
    runBounded(QStringLiteral("xdotool"), QStringList{QStringLiteral("key"), QStringLiteral("--delay"),
                                                             QStringLiteral("60")} + pressed);
    QTest::qWait(300);   // answering the X server meanwhile: Wine may ask for our clipboard
}

void tst_Wine::type(const QString &text)
{
    runBounded(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("60"), text});
    QTest::qWait(300);   // answering the X server meanwhile: Wine may ask for our clipboard
}

bool tst_Wine::waitFor(const std::function<bool(const QImage &)> &ready, int seconds)
{
    QElapsedTimer clock;
    clock.start();
    do {
        const QImage image = screenshot();
        if (ready(image))
            return true;
        QTest::qWait(250);
    } while (clock.elapsed() < seconds * 1000);
    // What the screen showed, for whoever reads the failure.
    screenshot().save(QStringLiteral(ORTELANA_TEST_OUTPUT "/tst_wine-%1.png").arg(QString::fromLatin1(QTest::currentTestFunction())));
    return false;
}

QStringList tst_Wine::opened() const
{
    QFile log(openedLog);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList tst_Wine::browse(const QString &title)
{
    QProcess reader;
    reader.setProcessEnvironment(program.processEnvironment());
    reader.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral(
        ". '%1/scripts/wine-env.sh' && wine_environment \"$ORTELANA_WINE_HOME\" && exec wine '%2' --list \"$0\"")
        .arg(source, QStringLiteral(ORTELANA_WINDOWS_BUILD "/tests/win32/msaa_listener.exe")), title});
    // Answering the X server meanwhile: Wine may ask for our clipboard.  A reader that
    // hangs leaves nothing to compare.
    QElapsedTimer clock;
    clock.start();
    while (reader.state() != QProcess::NotRunning && clock.elapsed() < 60000)
        QTest::qWait(100);
    if (reader.state() != QProcess::NotRunning) {
        reader.kill();
        reader.waitForFinished(5000);
        return {};
    }
    return QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void tst_Wine::initTestCase()
{
    const QString exe = QStringLiteral(ORTELANA_WINDOWS_BUILD "/ortelana.exe");
    const QString templateDir = QStringLiteral(ORTELANA_WINE_TEMPLATE);
    if (!QFile::exists(exe))
        QSKIP("build-windows/ortelana.exe is not built (make windows)");
    if (!QFile::exists(templateDir + QStringLiteral("/ready")))
        QSKIP("no Wine template prefix (the wine_template test makes it)");
    QVERIFY(prefix.isValid() && work.isValid());

    // This test's own copy of the template prefix, with the virtual desktop already on.
    QCOMPARE(runBounded(QStringLiteral("cp"), {QStringLiteral("-a"), templateDir + QStringLiteral("/prefix"),
                                                      templateDir + QStringLiteral("/locale"),
                                                      templateDir + QStringLiteral("/desktop"),
                                                      templateDir + QStringLiteral("/ready"), prefix.path()}),
             0);

    // The session's DISPLAY, and its stand-in opener first on PATH.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORTELANA_WINE_HOME"), prefix.path());
    environment.insert(QStringLiteral("ORTELANA_WINE_DESKTOP"), QStringLiteral("on"));
    environment.insert(QStringLiteral("ORTELANA_EXE"), exe);
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(work.path());
    program.setProcessChannelMode(QProcess::ForwardedChannels);
}

// The program afresh at 2005, no page written, nothing opened.
void tst_Wine::init()
{
    if (QByteArray(QTest::currentTestFunction()) == "runsWithoutADisplay"
        || QByteArray(QTest::currentTestFunction()) == "textScalesWithTheScreen")
        return;   // starts its own runs
    QFile log(openedLog);
    QVERIFY(log.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const QString &page : QDir(work.path()).entryList({QStringLiteral("*.html")}, QDir::Files))
        QFile::remove(work.filePath(page));
    program.start(source + QStringLiteral("/scripts/wine-run"), {QStringLiteral("--year"), QStringLiteral("2005")});
    QVERIFY(program.waitForStarted(10000));
    QVERIFY2(waitFor([](const QImage &image) { return findSheet(image, 2005, true).has_value(); }, 120),
             "the 2005 sheet, slot for slot, within 120 s");
}

void tst_Wine::startsAtTheYearAsked()
{
    const std::optional<QPoint> at = findSheet(screenshot(), 2005, true);
    QVERIFY2(at.has_value(), "the 2005 sheet, slot for slot");
    // The banner's «Ортелана» is in Times New Roman, which the test prefix maps to
    // Liberation Serif: its black is as wide as that face draws the word, not as the
    // sans-serif Wine falls back to (some 18 px wider).
    const QRect title = inkBox(screenshot(), qRgb(0, 0, 0), QRect(at->x() - 4, at->y() - 79, 637, 70));
    const auto width = [](const char *family) {
        QFont font(QString::fromLatin1(family));
        font.setPixelSize(32);
        return QFontMetrics(font).tightBoundingRect(QStringLiteral("Ортелана")).width();
    };
    const int serif = width("Liberation Serif"), sans = width("Liberation Sans");
    QVERIFY2(qAbs(title.width() - serif) <= 6 && qAbs(title.width() - serif) < qAbs(title.width() - sans),
             qPrintable(QStringLiteral("the title is %1 px wide; Liberation Serif %2, Liberation Sans %3")
                            .arg(title.width()).arg(serif).arg(sans)));
}

// What opens no window runs through scripts/wine-run with no X display at all.
void tst_Wine::runsWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("printed");   // the start of what it prints
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << QStringLiteral("ortelana ");
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << QStringLiteral("Ортелана — ");
    QTest::newRow("--export") << QStringList{QStringLiteral("--export"), QStringLiteral("nodisplay.png"),
                                             QStringLiteral("--year"), QStringLiteral("2005")}
                              << QString();
}

void tst_Wine::runsWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, printed);
    QProcessEnvironment environment = program.processEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    QProcess run;
    run.setProcessEnvironment(environment);
    run.setWorkingDirectory(work.path());
    run.start(source + QStringLiteral("/scripts/wine-run"), arguments);
    QVERIFY(run.waitForFinished(60000));
    const QString said = QString::fromUtf8(run.readAllStandardOutput()) + QString::fromUtf8(run.readAllStandardError());
    QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, qPrintable(said));
    QVERIFY2(said.startsWith(printed), qPrintable(said));
    if (printed.isEmpty()) {
        const QString file = work.filePath(QStringLiteral("nodisplay.png"));
        QCOMPARE(QImage(file).size(), QSize(629, 389));
        QFile::remove(file);
    }
}

// Whatever the function left open goes with the program's windows.
void tst_Wine::cleanup()
{
    if (QByteArray(QTest::currentTestFunction()) == "textScalesWithTheScreen")
        QVERIFY(setDpi(96));
    if (program.state() != QProcess::NotRunning) {
        program.kill();
        program.waitForFinished(10000);
    }
    QVERIFY2(waitFor([](const QImage &image) { return !hasInk(image, screenColour(colors::DarkBlue), image.rect()); }, 20),
             "the program's windows gone");
}

void tst_Wine::weekNumbersRememberTheMonth()
{
    keys({QStringLiteral("F4")});
    QVERIFY2(waitFor([](const QImage &image) { return findWeeks(image, 2005, 0).has_value(); }, 20),
             "F4: January 2005 with its week numbers");
    keys({QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down")});
    QVERIFY2(waitFor([](const QImage &image) { return findWeeks(image, 2005, 4).has_value(); }, 10),
             "May 2005 after four steps down the list");
    // As a screen reader browses it: a list of May's days, each named with its week, a
    // list item, read only, with no description.  Checked once the window is closed, so
    // that a fault here leaves the next steps their window.
    const QStringList heard = browse(QStringLiteral("Дни и номера недель: Май"));
    const Scene may = weeksScene(computeYear(2005), true, 4);
    QStringList wanted{QStringLiteral("list\t33\t0\tДни и номера недель: Май")};
    for (int i = 0; i < 31; ++i)
        wanted << QStringLiteral("item\t34\t40\t%1\t").arg(QString::fromStdString(spokenName(2005, may.cells[std::size_t(i)])));
    QString misheard = heard.size() == wanted.size() ? QString() : QStringLiteral("%1 lines heard").arg(heard.size());
    for (int i = 0; i < wanted.size() && misheard.isEmpty(); ++i)
        if (!heard.value(i).startsWith(wanted[i]))
            misheard = QStringLiteral("heard «%1», expected «%2»").arg(heard.value(i), wanted[i]);
    keys({QStringLiteral("Escape")});
    QVERIFY2(waitFor([](const QImage &image) { return !hasInk(image, screenColour(colors::WeekNumber), image.rect()); }, 10),
             "Escape closes the window");
    keys({QStringLiteral("F4")});
    QVERIFY2(waitFor([](const QImage &image) { return findWeeks(image, 2005, 4).has_value(); }, 20),
             "reopened at May");
    keys({QStringLiteral("Return")});
    QVERIFY(waitFor([](const QImage &image) { return findSheet(image, 2005, true).has_value(); }, 10));
    QVERIFY2(misheard.isEmpty(), qPrintable(QStringLiteral("the week picture's days: ") + misheard));
}

void tst_Wine::typingFiltersAndEnterDraws()
{
    // Ctrl+A selects nothing in Wine's edit box: the old text goes by Backspace.
    keys({QStringLiteral("End"), QStringLiteral("BackSpace"), QStringLiteral("BackSpace"), QStringLiteral("BackSpace"),
          QStringLiteral("BackSpace")});
    // A paste that would leave more than digits is refused whole; one of digits goes in.
    // (Wine keeps what it read of the X clipboard until its owner changes: cleared in between.)
    QGuiApplication::clipboard()->setText(QStringLiteral("x9"));
    QTest::qWait(300);
    keys({QStringLiteral("shift+Insert")});
    QGuiApplication::clipboard()->clear();
    QTest::qWait(300);
    QGuiApplication::clipboard()->setText(QStringLiteral("19"));
    QTest::qWait(300);
    keys({QStringLiteral("shift+Insert")});
    type(QStringLiteral("a-. 17"));   // only the digits go in
    // Ctrl+H erases as Backspace does: 1917 again, not 191717.
    keys({QStringLiteral("ctrl+h"), QStringLiteral("ctrl+h")});
    type(QStringLiteral("17"));
    keys({QStringLiteral("Return")});
    QVERIFY2(waitFor([](const QImage &image) { return findSheet(image, 1917, true).has_value(); }, 20),
             "1917 drawn from the digits pasted and typed, two erased by Ctrl+H");
    // The old-style box: Tab reaches it from the year box, the space bar unchecks it.
    keys({QStringLiteral("Tab"), QStringLiteral("space")});
    QVERIFY2(waitFor([](const QImage &image) { return findSheet(image, 1917, false).has_value(); }, 20),
             "1917 one weekday earlier with the box unchecked");
    keys({QStringLiteral("space"), QStringLiteral("shift+Tab")});
    QVERIFY(waitFor([](const QImage &image) { return findSheet(image, 1917, true).has_value(); }, 20));
}

void tst_Wine::eightDigitsAndTheYearKeys()
{
    keys({QStringLiteral("End"), QStringLiteral("BackSpace"), QStringLiteral("BackSpace"), QStringLiteral("BackSpace"),
          QStringLiteral("BackSpace")});
    type(QStringLiteral("12345678"));   // the eighth digit is refused
    keys({QStringLiteral("Return")});
    QVERIFY2(waitFor([](const QImage &image) { return findSheet(image, 1234567, true).has_value(); }, 20),
             "1234567: seven digits at most");
    keys({QStringLiteral("Prior")});
    QVERIFY2(waitFor([](const QImage &image) { return findSheet(image, 1234566, true).has_value(); }, 20),
             "Page Up: the year before");
    // The wheel over the sheet: one notch towards the user is the next year.
    const std::optional<QPoint> sheetAt = findSheet(screenshot(), 1234566, true);
    QVERIFY(sheetAt);
    runBounded(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(sheetAt->x() + 300),
                                                  QString::number(sheetAt->y() + 200), QStringLiteral("click"),
                                                  QStringLiteral("5")});
    QVERIFY2(waitFor([](const QImage &image) { return findSheet(image, 1234567, true).has_value(); }, 20),
             "the wheel: the next year");
}

void tst_Wine::dayCursorMovesOverTheDays()
{
    const QImage before = screenshot();
    const std::optional<QPoint> sheetAt = findSheet(before, 2005, true);
    QVERIFY(sheetAt);
    const Scene scene = sheetScene(computeYear(2005), true);
    const SceneCell &first = scene.cells.front(), &second = scene.cells[1], &monthEnd = scene.cells[30];
    const SceneCell &last = scene.cells[364];
    QCOMPARE(last.month * 100 + last.day, 1231);
    const QRect sheetAround = SheetArea.translated(*sheetAt).adjusted(-2, -2, 2, 2);
    const auto changed = [&](const QImage &image, const QRect &around) { return changedBox(before, image, around); };
    // The old-style box is hidden from 1918 on: Tab goes from the year box to the sheet.
    keys({QStringLiteral("Tab")});
    QRect frame;
    QVERIFY2(waitFor([&](const QImage &image) { return !(frame = changed(image, sheetAround)).isEmpty(); }, 10), "a focus frame");
    QCOMPARE(frame.size(), QSize(first.width, first.height));
    // The frame tells where the sheet's drawing area is, to the pixel.
    const QPoint origin = frame.topLeft() - QPoint(first.x, first.y);
    const auto framedAt = [&](const SceneCell &cell) {
        return [&, cell](const QImage &image) {
            return changed(image, sheetAround) == QRect(origin + QPoint(cell.x, cell.y), QSize(cell.width, cell.height));
        };
    };
    QVERIFY2(qAbs(origin.x() - sheetAt->x()) <= 6 && qAbs(origin.y() - sheetAt->y()) <= 8, "the frame on 1 January");
    keys({QStringLiteral("Down")});
    QVERIFY2(waitFor(framedAt(second), 10), "Down: 2 January");
    keys({QStringLiteral("End")});
    QVERIFY2(waitFor(framedAt(monthEnd), 10), "End: 31 January");
    keys({QStringLiteral("ctrl+End")});
    QVERIFY2(waitFor(framedAt(last), 10), "Ctrl+End: 31 December");
    keys({QStringLiteral("ctrl+Home")});
    QVERIFY2(waitFor(framedAt(first), 10), "Ctrl+Home: 1 January");
    // Tab goes on to the banner, last: its frame round the whole banner.
    const QRect banner = toQRect(layout::mainwindow::Banner).translated(origin - QPoint(2, 2 + layout::mainwindow::Sheet.y));
    keys({QStringLiteral("Tab")});
    QVERIFY2(waitFor([&](const QImage &image) {
                 return changed(image, sheetAround).isEmpty() && changed(image, banner.adjusted(-2, -2, 2, 2)) == banner;
             }, 10),
             "Tab: the banner, framed");
    keys({QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab")});
    QVERIFY2(waitFor([&](const QImage &image) { return changed(image, sheetAround.united(banner)).isEmpty(); }, 10),
             "Shift+Tab twice: back to the year box");
}

// A screen reader's view, from a process of its own (msaa_listener.exe): the day the
// cursor lands on, named as the scene speaks it, in its slot on the screen, with the
// year's news after Page Down, and none once the cursor moves on; then the banner.
void tst_Wine::screenReaderHearsTheDay()
{
    if (listener.state() == QProcess::NotRunning) {
        QByteArray ready;
        listener.setProcessEnvironment(program.processEnvironment());
        listener.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral(
            ". '%1/scripts/wine-env.sh' && wine_environment \"$ORTELANA_WINE_HOME\" && exec wine '%2'")
            .arg(source, QStringLiteral(ORTELANA_WINDOWS_BUILD "/tests/win32/msaa_listener.exe"))});
        QTRY_VERIFY2_WITH_TIMEOUT((ready += listener.readAllStandardOutput()).contains("ready\n"),
                                  "the listener's hook in place", 60000);
    }
    keys({QStringLiteral("End"), QStringLiteral("BackSpace"), QStringLiteral("BackSpace"), QStringLiteral("BackSpace"),
          QStringLiteral("BackSpace")});
    type(QStringLiteral("1234567"));
    keys({QStringLiteral("Return")});
    QVERIFY(waitFor([](const QImage &image) { return findSheet(image, 1234567, true).has_value(); }, 20));
    const QImage before = screenshot();
    const QRect around = SheetArea.translated(*findSheet(before, 1234567, true)).adjusted(-2, -2, 2, 2);
    const struct
    {
        const char *name;
        const char *key;
        long long year;
        int date;   // month * 100 + day; 0: the year box; -1: the banner
        bool news;
    } steps[] = {
        {"Tab: 1 January, with the news of the year just confirmed", "Tab", 1234567, 101, true},
        {"Down: 2 January", "Down", 1234567, 102, false},
        {"Right: 9 January", "Right", 1234567, 109, false},
        {"Ctrl+End: 31 December", "ctrl+End", 1234567, 1231, false},
        {"Page Down: 31 December of a leap year, and the news", "Next", 1234568, 1231, true},
        {"Up: 30 December, the news said", "Up", 1234568, 1230, false},
        {"Page Up: 30 December the year before, and the news", "Prior", 1234567, 1230, true},
        {"Tab: the banner, a text named by the title", "Tab", 1234567, -1, false},
        {"Shift+Tab: the year box", "shift+Tab shift+Tab", 1234567, 0, false},
    };
    QPoint origin;   // the sheet's drawing area, from the first focus frame
    for (const auto &step : steps) {
        listener.readAllStandardOutput();
        QByteArray heard;
        keys(QString::fromLatin1(step.key).split(QLatin1Char(' ')));
        if (origin.isNull()) {   // the first step's focus frame tells where the sheet is, to the pixel
            const SceneCell first = sheetScene(computeYear(step.year), true).cells.front();
            QRect frame;
            QVERIFY(waitFor([&](const QImage &image) { return !(frame = changedBox(before, image, around)).isEmpty(); }, 10));
            origin = frame.topLeft() - QPoint(first.x, first.y);
        }
        // What the focused object says: role, state, name, description, place on the screen.
        // The year box: an editable text, focusable and focused, named by its label.
        QString expected = QStringLiteral("focus\t42\t100004\tГод");
        if (step.date > 0) {
            const Scene scene = sheetScene(computeYear(step.year), true);
            const auto day = std::find_if(scene.cells.begin(), scene.cells.end(), [&](const SceneCell &cell) {
                return cell.day > 0 && cell.month * 100 + cell.day == step.date;
            });
            QVERIFY(day != scene.cells.end());
            const QRect slot(origin + QPoint(day->x, day->y), QSize(day->width, day->height));
            // A list item, focusable, selectable, focused and selected.
            expected = QStringLiteral("focus\t34\t300006\t%1\t%2\t%3,%4,%5,%6")
                           .arg(QString::fromStdString(spokenName(step.year, *day)),
                                step.news ? QString::number(step.year) + QString::fromStdString(computeYear(step.year).caption)
                                          : QString())
                           .arg(slot.x()).arg(slot.y()).arg(slot.width()).arg(slot.height());
        } else if (step.date < 0) {
            // A static text, focusable and focused, named by the title, where the banner stands.
            const QRect banner = toQRect(layout::mainwindow::Banner).translated(origin - QPoint(2, 2 + layout::mainwindow::Sheet.y));
            expected = QStringLiteral("focus\t41\t100004\t%1\t\t%2,%3,%4,%5")
                           .arg(QString::fromUtf8(words::ProgramTitle))
                           .arg(banner.x()).arg(banner.y()).arg(banner.width()).arg(banner.height());
        }
        // The last focus heard, once it has settled.
        const auto last = [&] {
            heard += listener.readAllStandardOutput();
            const QList<QByteArray> lines = heard.split('\n');
            return lines.size() < 2 ? QString() : QString::fromUtf8(lines[lines.size() - 2]);
        };
        QTRY_VERIFY2_WITH_TIMEOUT(step.date != 0 ? last() == expected : last().startsWith(expected),
                                  qPrintable(QStringLiteral("%1: heard «%2», expected «%3»").arg(QLatin1String(step.name), last(), expected)),
                                  10000);
    }
}

void tst_Wine::yearZeroIsRefused()
{
    const QImage before = screenshot();
    const std::optional<QPoint> sheetAt = findSheet(before, 2005, true);
    QVERIFY(sheetAt);
    const QRect sheetOnScreen = SheetArea.translated(*sheetAt);
    keys({QStringLiteral("End"), QStringLiteral("BackSpace"), QStringLiteral("BackSpace"), QStringLiteral("BackSpace"),
          QStringLiteral("BackSpace")});
    type(QStringLiteral("0"));
    keys({QStringLiteral("Return")});
    // The message box stands over the sheet; Enter presses its OK.
    QVERIFY2(waitFor([&](const QImage &image) { return image.copy(sheetOnScreen) != before.copy(sheetOnScreen); }, 20),
             "a message box over the sheet");
    keys({QStringLiteral("Return")});
    QVERIFY2(waitFor([&](const QImage &image) { return image.copy(sheetOnScreen) == before.copy(sheetOnScreen); }, 20),
             "the message box gone and the sheet as it was");
}

// The About window: its stripes, its texts whole, the flag as a screen reader meets
// it, the link writing the page and asking the shell to open it, and OK holding the
// focus, so that the space bar closes the window.
void tst_Wine::aboutWindow()
{
    keys({QStringLiteral("F10"), QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"),
          QStringLiteral("Return")});
    // The stripes: white rows 0 to 14, blue 15 to 30, red 31 to 44, 80 columns.
    QRect blue, red;
    QVERIFY2(waitFor([&](const QImage &image) {
                 // Sundays are red too: the red stripe is looked for under the blue one.
                 blue = inkBox(image, qRgb(0, 0, 255), image.rect());
                 red = inkBox(image, qRgb(255, 0, 0), QRect(blue.left(), blue.bottom() + 1, 80, 20));
                 return !blue.isEmpty() && !red.isEmpty();
             }, 20),
             "the About window with its stripes");
    QCOMPARE(blue.size(), QSize(80, 16));
    QCOMPARE(red.size(), QSize(80, 14));
    QCOMPARE(red.topLeft(), blue.topLeft() + QPoint(0, 16));
    const QImage about = screenshot();
    QVERIFY(inkBox(about, qRgb(255, 255, 255), QRect(blue.topLeft() - QPoint(0, 15), QSize(80, 15))).size() == QSize(80, 15));
    const QPoint window = blue.topLeft() - QPoint(layout::about::Flag.x, layout::about::Flag.y + 15);

    // The author's line, longer in MS Sans Serif than elsewhere, ends before its box's
    // last column: it is not cut at the edge.
    const words::AboutLabel author = words::aboutLabels().front();
    const QRect authorInk = probe::inkBounds(about.copy(toQRect(author.place).translated(window)),
                                             QColor(screenColour(colors::LightGrey)));
    QVERIFY2(!authorInk.isEmpty() && authorInk.right() < author.place.width - 1,
             qPrintable(QStringLiteral("«%1» reaches column %2 of %3").arg(QString::fromStdString(author.text))
                            .arg(authorInk.right()).arg(author.place.width)));
    // The flag is a graphic named for what it shows, not an empty list.
    const QStringList flag = browse(QString::fromUtf8(words::FlagName));
    QVERIFY2(flag.size() == 1 && flag.front().startsWith(QStringLiteral("list\t40\t0\t") + QString::fromUtf8(words::FlagName)),
             qPrintable(flag.join(QLatin1Char('|'))));

    const QPoint link = window + QPoint(layout::about::Link.x + 20, layout::about::Link.y + 10);
    runBounded(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(link.x()),
                                                  QString::number(link.y()), QStringLiteral("click"), QStringLiteral("1")});
    const QString page = work.filePath(QStringLiteral("0.html"));
    QElapsedTimer clock;
    clock.start();
    while ((!QFile::exists(page) || opened().isEmpty()) && clock.elapsed() < 30000)
        QTest::qWait(250);
    QFile file(page);
    QVERIFY2(file.open(QIODevice::ReadOnly), "0.html written in the current directory");
    const QByteArray expected = "<html><head><meta http-equiv='refresh' content='0; url=" + QByteArray(words::Site)
                                + "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
                                  "<title>WWW</title></head><body></body></html>\r\n";
    QCOMPARE(file.readAll(), expected);
    QVERIFY2(opened().size() == 1 && opened().front().contains(QStringLiteral("0.html")),
             qPrintable(QStringLiteral("the shell asked to open 0.html: ") + opened().join(QLatin1Char('|'))));
    QVERIFY(!QFile::exists(work.filePath(QStringLiteral("1.html"))));
    keys({QStringLiteral("space")});
    QVERIFY2(waitFor([](const QImage &image) { return inkBox(image, qRgb(0, 0, 255), image.rect()).isEmpty(); }, 10),
             "the space bar presses OK");
}

// Ctrl+P under Wine, which prints through CUPS: the session's private queue takes what
// Wine's PostScript driver makes into its file.  That is made a PDF as the cups-pdf
// backend would (ps2pdf) and read back: its text, and its page drawn (pdftoppm) against
// the scene.  The queue's page is A4 with no margins, so the printer's page is the
// paper.  Cancelling the dialog prints nothing and says nothing.
void tst_Wine::printsTheSheet_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("prints");
    QTest::newRow("Enter prints") << QStringLiteral("Return") << true;
    QTest::newRow("Escape prints nothing") << QStringLiteral("Escape") << false;
}

void tst_Wine::printsTheSheet()
{
    QFETCH(QString, key);
    QFETCH(bool, prints);
    const QString cups = qEnvironmentVariable("ORTELANA_CUPS_DIR");
    if (cups.isEmpty())
        QSKIP("no private cupsd with the cups-pdf driver in this session");
    for (const char *tool : {"ps2pdf", "pdftotext", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP(tool);
    const QString output = cups + QStringLiteral("/out/job.pdf"), log = cups + QStringLiteral("/log/error_log");
    QFile::remove(output);
    const auto jobs = [&] { return readAll(log).count("Job completed"); };
    const qsizetype before = jobs();
    const auto dialogOpen = [] {
        return runBounded(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("^Печать$")}) == 0;
    };
    keys({QStringLiteral("ctrl+p")});
    QTRY_VERIFY2_WITH_TIMEOUT(dialogOpen(), "Ctrl+P opens the print dialog «Печать»", 60000);
    QTest::qWait(500);
    keys({key});
    QTRY_VERIFY2_WITH_TIMEOUT(!dialogOpen(), "the dialog closes", 20000);
    if (!prints) {
        QTest::qWait(3000);   // time for a job that must not come
        QCOMPARE(jobs(), before);
        QVERIFY(!QFile::exists(output));
        QVERIFY2(waitFor([](const QImage &image) { return findSheet(image, 2005, true).has_value(); }, 5),
                 "no message over the sheet");
        // With the spooler brought in, the week numbers window still draws its picture.
        keys({QStringLiteral("F4")});
        QVERIFY2(waitFor([](const QImage &image) { return findWeeks(image, 2005, 0).has_value(); }, 20),
                 "F4 after the print dialog: January 2005 with its week numbers");
        keys({QStringLiteral("Escape")});
        return;
    }
    // CUPS 2.4.20 (sid) stops the job instead of writing the queue's file (see tst_print).
    const QByteArray refused = "could not open the output file";
    QTRY_VERIFY2_WITH_TIMEOUT(jobs() > before || readAll(log).contains(refused), "a job printed", 60000);
    if (!QFile::exists(output))
        QSKIP("this print server will not write the queue's file");
    const QByteArray postScript = readAll(output);
    QVERIFY2(postScript.startsWith("%!PS"), postScript.left(40).constData());
    // The job's name, as StartDoc got it.  (Wine 8 hands CUPS a Cyrillic name cut
    // short, «Ортелана D», so the queue's own title is not what is read.)
    const QRegularExpressionMatch title = QRegularExpression(QStringLiteral("^%%Title: \\((.*)\\)$"), QRegularExpression::MultilineOption)
                                              .match(QString::fromLatin1(postScript.left(2000)));
    QCOMPARE(fromPostScript1251(title.captured(1).toLatin1()), QString::fromStdString(words::printJobTitle(2005)));

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("job.pdf")), picture = folder.filePath(QStringLiteral("page"));
    QCOMPARE(runBounded(QStringLiteral("ps2pdf"), {output, pdf}), 0);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString pageText = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(pageText.contains(QRegularExpression(QStringLiteral("2005 н\\. э\\.\\s+ГОД ПЕТУХА"))), qPrintable(pageText));
    for (const std::string_view month : MonthName)
        QVERIFY2(pageText.contains(QString::fromUtf8(month.data(), qsizetype(month.size()))), month.data());
    // Every weekday twelve times, and every day number as often as 2005 has it.
    QMap<QString, int> counted;
    for (const QString &word : pageText.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        ++counted[word];
    for (int weekday = 0; weekday < 7; ++weekday)
        QCOMPARE(counted.value(QString::fromUtf8(WeekdayAbbreviations.data() + 4 * weekday, 4)), 12);
    for (int day = 1; day <= 31; ++day)
        QCOMPARE(counted.value(QString::number(day)), day <= 28 ? 12 : day <= 30 ? 11 : 7);

    // The page, drawn without smoothing: landscape, the title and sheet as large as fit
    // and centred, every day in its scaled slot in its colour, nothing outside.
    QCOMPARE(runBounded(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                                                     QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
                                                     QStringLiteral("no"), QStringLiteral("-singlefile"), pdf, picture}),
             0);
    const QImage page = QImage(picture + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(page.width() > page.height(), "a landscape page");
    constexpr int Width = sheet::DrawingWidth, Height = pagetitle::Height + sheet::DrawingHeight;
    const double scale = std::min(double(page.width()) / Width, double(page.height()) / Height);
    const double left = (page.width() - Width * scale) / 2, top = (page.height() - Height * scale) / 2;
    const QRect place(int(left), int(top), int(Width * scale), int(Height * scale));
    const auto at = [&](double x, double origin) { return int(origin + x * scale + 0.5); };
    QStringList wrong;
    for (const SceneCell &cell : sheetScene(computeYear(2005), true).cells) {
        const bool red = cell.weekday == 7 || cell.victoryDay;
        const QRgb want = screenColour(red ? colors::Red : colors::DayNumber), other = screenColour(red ? colors::DayNumber : colors::Red);
        bool ink = false, foreign = false;
        for (int y = at(pagetitle::Height + cell.y, top); y < std::min(at(pagetitle::Height + cell.y + cell.height, top), place.bottom()); ++y)
            for (int x = at(cell.x, left); x < std::min(at(cell.x + cell.width, left), place.right()); ++x) {
                ink = ink || near(page.pixel(x, y), want);
                foreign = foreign || near(page.pixel(x, y), other);
            }
        if (!ink || foreign)
            wrong << QStringLiteral("%1.%2").arg(cell.day).arg(cell.month);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("days out of their slots or colours: ") + wrong.mid(0, 10).join(QLatin1Char(' '))));
    int outside = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            outside += page.pixel(x, y) != qRgb(255, 255, 255) && !place.adjusted(-1, -1, 1, 1).contains(x, y);
    QVERIFY2(outside == 0, qPrintable(QStringLiteral("%1 pixels of ink outside the fitted place").arg(outside)));
    const QRect titleInk = inkBox(page, qRgb(0, 0, 0), QRect(place.left(), place.top(), place.width(), at(pagetitle::Height, 0)));
    QVERIFY2(!titleInk.isEmpty() && qAbs(titleInk.center().x() - place.center().x()) <= 2 * scale + 1,
             qPrintable(QStringLiteral("the title from %1 to %2 over a place from %3 to %4")
                            .arg(titleInk.left()).arg(titleInk.right()).arg(place.left()).arg(place.right())));
}

// F1 hands the shell the help beside the program, the one written for Windows: printing
// by Ctrl+P to a printer or «Microsoft Print to PDF», no PDF export, the PNG at the
// window's size, no Linux screen reader.
void tst_Wine::helpOpensTheWindowsDocument()
{
    keys({QStringLiteral("F1")});
    QElapsedTimer clock;
    clock.start();
    while (opened().isEmpty() && clock.elapsed() < 30000)
        QTest::qWait(250);
    QVERIFY2(opened().size() == 1, "F1 hands one document to the shell");
    const QString line = opened().back();
    const QString path = line.startsWith(QLatin1String("file:")) ? QUrl(line).toLocalFile() : line;
    QVERIFY2(path.endsWith(QStringLiteral("/Справка.html")), qPrintable(line));
    QFile help(path);
    QVERIFY2(help.open(QIODevice::ReadOnly), qPrintable(path));
    const QString text = QString::fromUtf8(help.readAll());
    for (const char *absent : {".pdf", "Orca", "1258", "Linux"})
        QVERIFY2(!text.contains(QLatin1String(absent)), absent);
    for (const char *present : {"629&nbsp;×&nbsp;389", "ortelana.exe", "NVDA", "<kbd>P</kbd>", "Microsoft Print to PDF"})
        QVERIFY2(text.contains(QString::fromUtf8(present)), present);
}

void tst_Wine::exitEndsWithStatusZero()
{
    // «Выход» is the last item: up from the first one.
    keys({QStringLiteral("F10"), QStringLiteral("Down"), QStringLiteral("Up"), QStringLiteral("Return")});
    // Waited for with the event loop running: Wine may ask for our clipboard on its way out.
    QTRY_VERIFY2_WITH_TIMEOUT(program.state() == QProcess::NotRunning, "the program ends after «Выход»", 30000);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

// Returns: what is wrong with `surface` under the fixed ink (4.5:1 for day numbers,
// weekday abbreviations and week numbers, 3:1 for month names and red), or nothing.
static QString unreadableOn(QRgb surface)
{
    const Colour under = Colour(qRed(surface)) | Colour(qGreen(surface)) << 8 | Colour(qBlue(surface)) << 16;
    for (const auto &[ink, least] : {std::pair{colors::DayNumber, 4.5}, std::pair{colors::DarkBlue, 4.5},
                                     std::pair{colors::WeekNumber, 4.5}, std::pair{colors::Purple, 3.0},
                                     std::pair{colors::Red, 3.0}})
        if (contrastRatio(ink, under) < least)
            return QStringLiteral("%1 on %2: %3:1").arg(QColor(screenColour(ink)).name(), QColor(surface).name())
                .arg(contrastRatio(ink, under), 0, 'f', 2);
    return {};
}

void tst_Wine::darkThemeKeepsTheInkReadable()
{
    // A black high-contrast scheme: black faces and windows, white texts, read when the
    // program starts.
    cleanup();
    QProcess reg;
    reg.setProcessEnvironment(program.processEnvironment());
    reg.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral(
        ". '%1/scripts/wine-env.sh' && wine_environment \"$ORTELANA_WINE_HOME\" && "
        "for pair in ButtonFace:'0 0 0' Window:'0 0 0' WindowText:'255 255 255' ButtonText:'255 255 255'; do "
        "wine reg add 'HKCU\\Control Panel\\Colors' /v \"${pair%%:*}\" /d \"${pair#*:}\" /f >/dev/null || exit 1; done").arg(source)});
    QVERIFY(reg.waitForFinished(60000) && reg.exitCode() == 0);

    // The export takes the window's surface.
    QProcess exporter;
    exporter.setProcessEnvironment(program.processEnvironment());
    exporter.setWorkingDirectory(work.path());
    exporter.start(source + QStringLiteral("/scripts/wine-run"), {QStringLiteral("--export"), QStringLiteral("dark.png"),
                                                                  QStringLiteral("--year"), QStringLiteral("2005")});
    QVERIFY(exporter.waitForFinished(60000) && exporter.exitCode() == 0);
    const QImage exported(work.filePath(QStringLiteral("dark.png")));
    QVERIFY(!exported.isNull());
    const QString onExport = unreadableOn(probe::mostCommon(exported.convertToFormat(QImage::Format_RGB32), exported.rect()));
    QVERIFY2(onExport.isEmpty(), qPrintable(QStringLiteral("export: ") + onExport));

    program.start(source + QStringLiteral("/scripts/wine-run"), {QStringLiteral("--year"), QStringLiteral("2005")});
    std::optional<QPoint> at;
    QVERIFY2(waitFor([&at](const QImage &image) { return (at = findSheet(image, 2005, true)).has_value(); }, 120),
             "the 2005 sheet under the dark scheme");
    const QString onSheet = unreadableOn(probe::mostCommon(screenshot(), SheetArea.translated(*at)));
    QVERIFY2(onSheet.isEmpty(), qPrintable(QStringLiteral("sheet: ") + onSheet));
    keys({QStringLiteral("F4")});
    QVERIFY(waitFor([&at](const QImage &image) { return (at = findWeeks(image, 2005, 0)).has_value(); }, 20));
    const QString onWeeks = unreadableOn(probe::mostCommon(screenshot(), WeeksArea.translated(*at)));
    QVERIFY2(onWeeks.isEmpty(), qPrintable(QStringLiteral("week numbers: ") + onWeeks));
    keys({QStringLiteral("Escape")});

    // The About window keeps its grey; each of its texts stays readable on it.
    keys({QStringLiteral("F10"), QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"),
          QStringLiteral("Return")});
    QRect blue;
    QVERIFY(waitFor([&blue](const QImage &image) { return !(blue = inkBox(image, qRgb(0, 0, 255), image.rect())).isEmpty(); }, 20));
    const QPoint window = blue.topLeft() - QPoint(layout::about::Flag.x, layout::about::Flag.y + 15);
    const QImage about = screenshot();
    const QColor grey(screenColour(colors::LightGrey));
    // Each text and the link.
    QList<QRect> boxes{toQRect(layout::about::Link)};
    for (const words::AboutLabel &label : words::aboutLabels())
        boxes << toQRect(label.place);
    for (const QRect &box : boxes) {
        const QColor ink = probe::inkIn(about, box.translated(window), grey);
        const double ratio = ink.isValid() ? contrastRatio(Colour(ink.red()) | Colour(ink.green()) << 8 | Colour(ink.blue()) << 16,
                                                           colors::LightGrey)
                                           : 1.0;
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("the text at %1,%2: %3 on the grey, %4:1")
                                              .arg(box.x()).arg(box.y()).arg(ink.name()).arg(ratio, 0, 'f', 2)));
    }
    keys({QStringLiteral("Escape"), QStringLiteral("F10"), QStringLiteral("Down"), QStringLiteral("Up"), QStringLiteral("Return")});
    QTRY_VERIFY_WITH_TIMEOUT(program.state() == QProcess::NotRunning, 30000);
}

// Every day of a leap year and a common year as a screen reader browses the sheet,
// against names made from <chrono> and the test's own words (pixelprobe.h).
void tst_Wine::everyDayIsSpokenByItsDate()
{
    for (const long long year : {2024, 2023}) {
        keys({QStringLiteral("End"), QStringLiteral("BackSpace"), QStringLiteral("BackSpace"),
              QStringLiteral("BackSpace"), QStringLiteral("BackSpace")});
        type(QString::number(year));
        keys({QStringLiteral("Return")});
        QVERIFY2(waitFor([year](const QImage &image) { return findSheet(image, year, true).has_value(); }, 20),
                 qPrintable(QStringLiteral("the %1 sheet").arg(year)));
        QStringList heard;
        for (const QString &line : browse(QStringLiteral("Календарь на %1 год").arg(year)))
            if (line.startsWith(QLatin1String("item\t")))
                heard << line.section(QLatin1Char('\t'), 3, 3);
        QCOMPARE(heard, probe::spokenYear(year));
    }
}

bool tst_Wine::setDpi(int dpi)
{
    QProcess reg;
    reg.setProcessEnvironment(program.processEnvironment());
    reg.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral(
        ". '%1/scripts/wine-env.sh' && wine_environment \"$ORTELANA_WINE_HOME\" && "
        "wine reg add 'HKCU\\Control Panel\\Desktop' /v LogPixels /t REG_DWORD /d %2 /f >/dev/null").arg(source).arg(dpi)});
    return reg.waitForFinished(60000) && reg.exitStatus() == QProcess::NormalExit && reg.exitCode() == 0;
}

// The windows and their texts grow by one factor with the screen's density: the
// heights of the texts' ink (the sheet's digits, «Год:», the year box, the caption)
// and the gap between «Сайт:» and its link are those at 96 dpi times dpi / 96; and the
// main window's title bar stays on the 1024 × 768 screen when the window is taller.
void tst_Wine::textScalesWithTheScreen_data()
{
    QTest::addColumn<int>("dpi");
    QTest::newRow("96 dpi") << 96;   // first: the measures the others are held to
    QTest::newRow("120 dpi") << 120;
    QTest::newRow("144 dpi") << 144;
}

void tst_Wine::textScalesWithTheScreen()
{
    QFETCH(int, dpi);
    const auto px = [dpi](int length) { return (length * dpi + 48) / 96; };
    const auto scaled = [&](const layout::Rect &place) { return QRect(px(place.x), px(place.y), px(place.width), px(place.height)); };
    QVERIFY(setDpi(dpi));
    program.start(source + QStringLiteral("/scripts/wine-run"), {QStringLiteral("--year"), QStringLiteral("2005")});
    QVERIFY(program.waitForStarted(10000));
    // The sheet's weekday labels stand at (4, 16) of its drawing area, scaled.
    QPoint origin;
    QVERIFY2(waitFor([&](const QImage &image) {
                 const QRect labels = inkBox(image, screenColour(colors::DarkBlue), image.rect());
                 origin = labels.topLeft() - QPoint(px(4), px(16));
                 // Drawn whole: the last month's labels too.
                 return labels.width() > px(sheet::DrawingWidth) * 3 / 4
                        && hasInk(image, screenColour(colors::DayNumber), QRect(origin + QPoint(px(600), px(340)), QSize(px(29), px(49))));
             }, 120),
             "the sheet drawn");
    QTest::qWait(500);
    const QImage screen = screenshot();
    // Text is the dark pixels (smoothed edges count from half way).
    const auto dark = [](QRgb pixel) { return qGray(pixel) < 128; };
    const auto inkHeight = [&](const QRect &area) { return probe::inkBoundsWhere(screen.copy(area), dark).height(); };
    QMap<QString, int> measured;
    // The day numbers of January: the longest run of rows with ink, one row of digits
    // (none has a descender), whatever the face's leading above them.
    QRect january;
    for (const SceneCell &cell : sheetScene(computeYear(2005), true).cells)
        if (cell.month == 1)
            january |= QRect(origin + QPoint(px(cell.x), px(cell.y)), QSize(px(cell.width), px(cell.height)));
    int digits = 0;
    for (int y = january.top(), run = 0; y <= january.bottom(); ++y) {
        bool ink = false;
        for (int x = january.left(); x <= january.right() && !ink; ++x)
            ink = dark(screen.pixel(x, y));
        run = ink ? run + 1 : 0;
        digits = std::max(digits, run);
    }
    measured[QStringLiteral("the sheet's digits")] = digits;
    // The bottom row, where it is on the screen: the client area's corner from the sheet's.
    const QPoint client = origin - QPoint(2, 2) - QPoint(0, px(layout::mainwindow::Sheet.y));
    for (const auto &[name, place] : {std::pair{"«Год:»", layout::mainwindow::YearLabel},
                                      std::pair{"the year box", layout::mainwindow::YearBox},
                                      std::pair{"the caption", layout::mainwindow::Caption}}) {
        const QRect area = scaled(place).translated(client).adjusted(3, 3, -3, -3);   // inside the box's edge
        if (screen.rect().contains(area))
            measured[QString::fromUtf8(name)] = inkHeight(area);
    }
    screen.save(QStringLiteral(ORTELANA_TEST_OUTPUT "/tst_wine-%1dpi.png").arg(dpi));   // for whoever reads the figures
    // The title bar stays on the screen (whose work area starts at 0): the client area
    // lies at least a caption and a menu below the top, not the window above it.
    QVERIFY2(client.y() >= px(36), qPrintable(QStringLiteral("the client area's top at %1").arg(client.y())));

    // «Сайт:» and its link: the gap between their inks.
    keys({QStringLiteral("F10"), QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Return")});
    QRect blue;
    QVERIFY2(waitFor([&](const QImage &image) { return (blue = inkBox(image, qRgb(0, 0, 255), image.rect())).width() == px(80); }, 20),
             "the About window with its stripes");
    const QImage about = screenshot();
    const QPoint window = blue.topLeft() - QPoint(px(layout::about::Flag.x), px(layout::about::Flag.y + 15));
    // The row of «Сайт:» (black) and the link (dark blue), told apart by their colours.
    const QRect row = scaled({104, 56, 231, 20}).translated(window);
    const QImage siteRow = about.copy(row);
    const QRect site = probe::inkBoundsWhere(siteRow, [](QRgb pixel) {
        return qGray(pixel) < 160 && qAbs(qBlue(pixel) - qRed(pixel)) < 32;
    });
    const QRect link = probe::inkBoundsWhere(siteRow, [](QRgb pixel) { return qBlue(pixel) - qRed(pixel) > 64; });
    QVERIFY(!site.isEmpty() && !link.isEmpty());
    measured[QStringLiteral("the gap after «Сайт:»")] = link.left() - site.right();
    measured[QStringLiteral("«Сайт:»")] = site.height();
    keys({QStringLiteral("Escape")});

    QString wrong;
    for (auto it = measured.cbegin(); it != measured.cend(); ++it) {
        std::printf("%d dpi: %s %d px\n", dpi, qPrintable(it.key()), it.value());
        if (dpi == 96) {
            at96[it.key()] = it.value();
            continue;
        }
        // Away from 96 dpi the face is a scalable one, not the bitmap scaled: its digits
        // and capitals stand a pixel or two apart from the bitmap's in proportion, and
        // its colon and first letter leave their own side bearings.  The faults this
        // catches are far larger (at 144 dpi the 96-dpi bitmap's 12 px digits where 15
        // are due, the gap 27 px).
        const double due = at96.value(it.key()) * dpi / 96.0;
        const double slack = it.key().startsWith(QStringLiteral("the gap")) ? 4.0 : 2.5;
        if (!at96.contains(it.key()) || qAbs(it.value() - due) > slack)
            wrong += QStringLiteral("%1: %2 px, %3 due; ").arg(it.key()).arg(it.value()).arg(due, 0, 'f', 1);
    }
    if (dpi == 120)
        QVERIFY2(measured.contains(QStringLiteral("«Год:»")), "the bottom row on the screen at 120 dpi");
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void tst_Wine::cleanupTestCase()
{
    if (listener.state() != QProcess::NotRunning) {
        listener.kill();
        listener.waitForFinished(5000);
    }
    if (program.state() != QProcess::NotRunning) {
        program.kill();
        program.waitForFinished(5000);
    }
    // Wine's server lingers after the last program; it goes with the prefix.
    QProcess server;
    server.start(QStringLiteral("sh"), {QStringLiteral("-c"),
                                        QStringLiteral(". \"$0/scripts/wine-env.sh\" && wine_environment \"$1\" && wineserver -k"),
                                        source, prefix.path()});
    server.waitForFinished(10000);
}

int main(int argc, char *argv[])
{
    const QString opened = qEnvironmentVariable("ORTELANA_OPENED");
    if (qEnvironmentVariableIsEmpty("DISPLAY") || opened.isEmpty()) {
        std::fprintf(stderr, "SKIP: run in a session with --x11 --opener (tests/session/ortelana-session)\n");
        return 77;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    tst_Wine test(opened);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wine.moc"
