// A careless user at the keyboard: tens of thousands of random keys, pastes, drops
// and clicks on the main window, with a seed printed on failure so that any run can
// be replayed (ORTELANA_MONKEY_SEED=<seed>; "fresh" picks a new one and prints it).
// After every step the year box holds 0 to 7 ASCII digits, and the sheet's picture,
// the caption and the old-style box as shown belong to the last year confirmed with a
// non-zero value, as <chrono> and the test's own table of animals have it.
#include "app/frmforma.h"
#include "app/startup.h"
#include "app/yearbox.h"
#include "paint/fonts.h"
#include "pixelprobe.h"
#include "windowdriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace ortelana;

namespace {

constexpr int Steps = 20000;

quint64 chosenSeed()
{
    const QByteArray given = qgetenv("ORTELANA_MONKEY_SEED");
    if (given == "fresh")
        return QRandomGenerator::system()->generate64();
    bool ok = false;
    const quint64 seed = given.toULongLong(&ok);
    return ok ? seed : 20051945;
}

// The animal of each year in the genitive, by the year's remainder of 12 (2005 is the
// rooster's); the rabbit with a Latin capital O, as the program has always written it.
const QStringList Animals{"ОБЕЗЬЯНЫ", "ПЕТУХА", "СОБАКИ", "КАБАНА", "КРЫСЫ", "ВОЛА",
                          "ТИГРА", "КРOЛИКА", "ДРАКОНА", "ЗМЕИ", "ЛОШАДИ", "ОВЦЫ"};

} // namespace

class tst_Monkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void carelessUser();

private:
    QString randomText();
    void step();
    void check(int stepNumber);

    quint64 seed = 0;
    QRandomGenerator random;
    std::unique_ptr<frmForma> window;
    YearBox *box = nullptr;
    QLabel *caption = nullptr;
    QCheckBox *oldStyle = nullptr;
    QTimer answerer;
    int messagesSeen = 0;

    long long confirmedYear = 0;   // what the sheet must show
    int messagesExpected = 0;
    QString lastAction;
};

void tst_Monkey::initTestCase()
{
    seed = chosenSeed();
    random.seed(seed);
    std::printf("monkey seed: %llu\n", static_cast<unsigned long long>(seed));
    registerFontSubstitutes();

    window = Main();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    box = window->yearBox();
    caption = window->findChild<QLabel *>(QStringLiteral("YEAR"));
    oldStyle = window->findChild<QCheckBox *>(QStringLiteral("StilChck"));
    confirmedYear = window->computedYear();

    // Answers the year-0 message, and closes anything else modal a stray key may open.
    connect(&answerer, &QTimer::timeout, this, [this] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *message = qobject_cast<QMessageBox *>(modal)) {
            if (message->text() == QStringLiteral("Нулевого года не существует.")
                && message->windowTitle() == QStringLiteral("Ошибка"))
                ++messagesSeen;
            message->button(QMessageBox::Ok)->click();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            dialog->reject();
        }
    });
    answerer.start(0);
}

QString tst_Monkey::randomText()
{
    switch (random.bounded(10)) {
    case 0: return QString();
    case 1: return QString::number(random.bounded(10000000));
    case 2: return QString(100000, QChar(u'0' + random.bounded(10)));
    case 3: return QStringLiteral("-") + QString::number(random.bounded(3000));
    case 4: return QString::number(random.bounded(3000)) + QStringLiteral(".5");
    case 5: return QStringLiteral("١٢٣");
    case 6: return QStringLiteral("12\n34");
    case 7: return QString(QChar(0)) + QStringLiteral("7");
    case 8: return QString::number(random.bounded(100));
    default: {
        QString text;
        const int length = random.bounded(12);
        for (int i = 0; i < length; ++i)
            text += QChar(char16_t(random.bounded(32, 0x500)));
        return text;
    }
    }
}

void tst_Monkey::step()
{
    const int what = random.bounded(100);
    if (what < 35) {
        const QChar digit(u'0' + random.bounded(10));
        lastAction = QStringLiteral("digit ") + digit;
        QTest::keyClick(box, digit.toLatin1());
    } else if (what < 45) {
        const char letter = char('a' + random.bounded(26));
        lastAction = QStringLiteral("letter ") + QLatin1Char(letter);
        QTest::keyClick(box, letter);
    } else if (what < 50) {
        // A control character as text, without a shortcut behind it.
        const QString code(QChar(char16_t(random.bounded(1, 32))));
        lastAction = QStringLiteral("control code %1").arg(int(code.at(0).unicode()));
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, code);
        QApplication::sendEvent(box, &press);
    } else if (what < 70) {
        static constexpr Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right,
                                           Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down};
        const Qt::Key key = keys[random.bounded(int(std::size(keys)))];
        const Qt::KeyboardModifiers mods = random.bounded(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
        lastAction = QStringLiteral("key %1").arg(int(key));
        QTest::keyClick(box, key, mods);
    } else if (what < 80) {
        lastAction = QStringLiteral("Enter on \"%1\"").arg(box->text());
        const QString text = box->text();
        QTest::keyClick(box, random.bounded(2) ? Qt::Key_Return : Qt::Key_Enter);
        if (!text.isEmpty()) {
            if (text.toLongLong() == 0)
                ++messagesExpected;
            else
                confirmedYear = text.toLongLong();
        }
    } else if (what < 86) {
        static constexpr Qt::Key keys[] = {Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_A, Qt::Key_Z};
        const Qt::Key key = keys[random.bounded(int(std::size(keys)))];
        lastAction = QStringLiteral("Ctrl+key %1").arg(int(key));
        QTest::keyClick(box, key, Qt::ControlModifier);
    } else if (what < 94) {
        const QString text = randomText();
        lastAction = QStringLiteral("paste of %1 characters").arg(text.size());
        QApplication::clipboard()->setText(text);
        if (random.bounded(2))
            QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        else
            box->paste();
    } else if (what < 97) {
        const QString text = randomText();
        lastAction = QStringLiteral("drop of %1 characters").arg(text.size());
        QMimeData data;
        data.setText(text);
        const QPoint at(random.bounded(box->width()), random.bounded(box->height()));
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &drop);
    } else if (oldStyle->isVisible()) {
        lastAction = QStringLiteral("click on the old-style box");
        QTest::mouseClick(oldStyle, Qt::LeftButton);
    } else {
        lastAction = QStringLiteral("select all");
        box->selectAll();
    }
}

void tst_Monkey::check(int stepNumber)
{
    const QString where = QStringLiteral("seed %1, step %2 (%3): ").arg(seed).arg(stepNumber).arg(lastAction);
    static const QRegularExpression digits(QStringLiteral("\\A[0-9]{0,7}\\z"));
    QVERIFY2(digits.match(box->text()).hasMatch(), qPrintable(where + QStringLiteral("box holds \"%1\"").arg(box->text().left(40))));
    QVERIFY2(window->computedYear() == confirmedYear,
             qPrintable(where + QStringLiteral("sheet shows %1, expected %2").arg(window->computedYear()).arg(confirmedYear)));
    QVERIFY2(messagesSeen == messagesExpected,
             qPrintable(where + QStringLiteral("%1 messages, expected %2").arg(messagesSeen).arg(messagesExpected)));

    QVERIFY2(caption->text() == QStringLiteral(" н. э.  ГОД ") + Animals[int(confirmedYear % 12)],
             qPrintable(where + caption->text()));
    QVERIFY2(oldStyle->isVisible() == (confirmedYear < 1918), qPrintable(where));

    // The sheet as drawn: each month's 1st in its weekday's row (one row up for an
    // unchecked old-style box), 29 February only in a leap year, 9 May red from 1945.
    const int year = probe::chronoYear(confirmedYear);
    const int shift = confirmedYear < 1918 && !oldStyle->isChecked() ? 6 : 0;
    std::array<int, 12> expected{};
    for (int month = 1; month <= 12; ++month)
        expected[std::size_t(month - 1)] = (probe::chronoWeekday(year, month, 1) + shift) % 7;
    const std::array<int, 12> shown = driver::monthStarts(*window);
    const auto rows = [](const std::array<int, 12> &starts) {
        QString text;
        for (const int start : starts)
            text += QString::number(start + 1);
        return text;
    };
    QVERIFY2(shown == expected, qPrintable(where + QStringLiteral("the months' 1sts in rows %1, expected %2")
                                                       .arg(rows(shown), rows(expected))));
    // 29 February stands in the 1st's row, fifth column.
    const bool leap = probe::chronoMonthDays(year, 2) == 29;
    QVERIFY2(driver::sheetInk(*window, 1, 5, expected[1] + 1).isValid() == leap, qPrintable(where + QStringLiteral("29 February")));
    const int may9 = expected[4] + 8;
    const QColor ninth = driver::sheetInk(*window, 4, may9 / 7 + 1, may9 % 7 + 1);
    QVERIFY2((ninth == QColor(255, 0, 0)) == (confirmedYear > 1944 || may9 % 7 == 6), qPrintable(where + QStringLiteral("9 May")));
}

void tst_Monkey::carelessUser()
{
    int enters = 0;
    for (int i = 1; i <= Steps; ++i) {
        step();
        // A message box runs its own loop until answered; let the answer land.
        if (messagesSeen != messagesExpected)
            QTRY_COMPARE_WITH_TIMEOUT(messagesSeen, messagesExpected, 5000);
        check(i);
        if (QTest::currentTestFailed())
            return;
        if (lastAction.startsWith(QStringLiteral("Enter")))
            ++enters;
    }
    // So that a run shows it reached the interesting paths at all.
    QVERIFY2(enters > Steps / 20 && messagesExpected > 0,
             qPrintable(QStringLiteral("seed %1: %2 Enters, %3 year-0 messages").arg(seed).arg(enters).arg(messagesExpected)));
    qInfo("%d steps, %d Enters, %d year-0 messages, last year %lld", Steps, enters, messagesExpected, confirmedYear);
}

QTEST_MAIN(tst_Monkey)
#include "tst_monkey.moc"
