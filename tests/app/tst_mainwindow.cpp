// The main window driven as a user would: start-up state, the year box's filter and
// paste guard, Enter and the year-0 message, the old-style box, and the menu.
#include "app/frmforma.h"
#include "app/startup.h"
#include "app/yearbox.h"
#include "paint/fonts.h"
#include "ui/picturearea.h"
#include "windowdriver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using namespace ortelana;

namespace {

struct SeenMessage
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers every message box that opens while it lives, and remembers what it saw.
class MessageBoxAnswerer
{
public:
    MessageBoxAnswerer()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen.append({box->windowTitle(), box->text(), box->icon()});
            box->button(QMessageBox::Ok)->click();
        });
        timer.start(10);
    }
    QList<SeenMessage> seen;

private:
    QTimer timer;
};

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startUpState();
    void layoutAndMenu();
    void enterOnEmptyBoxDoesNothing();
    void zeroYearIsRefused_data();
    void zeroYearIsRefused();
    void leadingZerosAreAYear();
    void modifiedEnterActsToo();
    void eighthDigitIsRefused();
    void typedNonDigitsAreIgnored_data();
    void typedNonDigitsAreIgnored();
    void editingKeys_data();
    void editingKeys();
    void confirmedYearForgetsUndoHistory();
    void stepping_data();
    void stepping();
    void menuBarUsesTheMenuFont();
    void tabOrder();
    void sheetFocusLeavesThePictureAlone();
    void pasteThatWouldLeaveNonDigitsIsRefused_data();
    void pasteThatWouldLeaveNonDigitsIsRefused();
    void dropOfNonDigitsIsRefused();
    void oldStyleStateSurvivesHiding();
    void oldStyleClickRedrawsTheConfirmedYear();
    void exitClosesTheWindow();

private:
    void confirm(const QString &year) { driver::confirmYear(*window, year); }

    std::unique_ptr<frmForma> window;
    YearBox *box = nullptr;
    QLabel *caption = nullptr;
    QCheckBox *oldStyle = nullptr;
};

void tst_MainWindow::initTestCase()
{
    driver::prepareApplication();
}

void tst_MainWindow::init()
{
    driver::startProgram(window);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    box = window->findChild<YearBox *>(QStringLiteral("DATA"));
    caption = window->findChild<QLabel *>(QStringLiteral("YEAR"));
    oldStyle = window->findChild<QCheckBox *>(QStringLiteral("StilChck"));
    QVERIFY(box && caption && oldStyle);
}

void tst_MainWindow::cleanup()
{
    driver::stopProgram(window);
}

void tst_MainWindow::startUpState()
{
    const QString thisYear = QString::number(QDate::currentDate().year());
    QCOMPARE(box->text(), thisYear);
    QCOMPARE(box->cursorPosition(), 4);
    QVERIFY(!box->hasSelectedText());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box));
    QCOMPARE(window->computedYear(), thisYear.toLongLong());
    QVERIFY(caption->text().startsWith(QStringLiteral(" н. э.  ГОД ")));
    QCOMPARE(oldStyle->isVisible(), thisYear.toInt() < 1918);
    QVERIFY(oldStyle->isChecked());
    QCOMPARE(window->yearModel().februaryDays, QDate::isLeapYear(thisYear.toInt()) ? 29 : 28);
    QCOMPARE(driver::monthStarts(*window)[0], QDate(thisYear.toInt(), 1, 1).dayOfWeek() - 1);
    QCOMPARE(window->yearModel().victoryDay, true);
}

void tst_MainWindow::layoutAndMenu()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Ортелана"));
    const QPoint screenCentre = window->screen()->availableGeometry().center();
    QVERIFY2((window->geometry().center() - screenCentre).manhattanLength() <= 40, "opens in the middle of the screen");
    QCOMPARE(window->centralWidget()->size(), QSize(634, 508));
    QCOMPARE(window->minimumSize(), window->maximumSize());   // fixed size
    QCOMPARE(window->findChild<QWidget *>(QStringLiteral("picCalendar"))->geometry(), QRect(0, 77, 633, 393));
    // The banner as its own test draws it, at the same size.
    QCOMPARE(window->findChild<QWidget *>(QStringLiteral("usrReklamaX1"))->geometry(), QRect(0, 0, 633, 73));
    QVERIFY(window->windowIcon().availableSizes().contains(QSize(32, 32)));
    QCOMPARE(box->geometry(), QRect(48, 474, 89, 31));
    QCOMPARE(oldStyle->text(), QStringLiteral("Старый стиль"));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Год:"));

    auto *menu = window->findChild<QMenu *>(QStringLiteral("Menu"));
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("Меню"));
    const QList<QAction *> items = menu->actions();
    QCOMPARE(items.size(), 5);
    const QStringList names{"MenuNomeraNedel", "MenuHelp", "MenuAbout", "MenuSep", "MenuExit"};
    const QStringList texts{"Номера недель", "Справка", "О программе", "", "Выход"};
    const QList<QKeySequence> keys{QKeySequence(Qt::Key_F4), QKeySequence(Qt::Key_F1), {}, {}, {}};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(items[i]->objectName(), names[i]);
        QCOMPARE(items[i]->text(), texts[i]);
        QCOMPARE(items[i]->shortcut(), keys[i]);
    }
    QVERIFY(items[3]->isSeparator());
}

void tst_MainWindow::enterOnEmptyBoxDoesNothing()
{
    MessageBoxAnswerer answerer;
    const QImage before = window->calendarPicture()->image().copy();
    box->clear();
    QTest::keyClick(box, Qt::Key_Return);
    QTest::qWait(30);
    QVERIFY(answerer.seen.isEmpty());
    QCOMPARE(window->calendarPicture()->image(), before);
}

void tst_MainWindow::zeroYearIsRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("0") << "0";
}

void tst_MainWindow::zeroYearIsRefused()
{
    QFETCH(QString, typed);
    confirm(QStringLiteral("1917"));
    const QImage before = window->calendarPicture()->image().copy();
    const QString captionBefore = caption->text();

    MessageBoxAnswerer answerer;
    box->clear();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
    QTRY_COMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title, QStringLiteral("Ошибка"));
    QCOMPARE(answerer.seen[0].text, QStringLiteral("Нулевого года не существует."));
    QCOMPARE(answerer.seen[0].icon, QMessageBox::Critical);

    QCOMPARE(box->text(), typed);
    QCOMPARE(window->computedYear(), 1917LL);
    QCOMPARE(caption->text(), captionBefore);
    QVERIFY(oldStyle->isVisible());
    QCOMPARE(window->calendarPicture()->image(), before);
}

void tst_MainWindow::leadingZerosAreAYear()
{
    confirm(QStringLiteral("007"));
    QCOMPARE(caption->text(), QStringLiteral(" н. э.  ГОД КР") + QChar(u'O') + QStringLiteral("ЛИКА"));
    QVERIFY(oldStyle->isVisible());
    QCOMPARE(box->text(), QStringLiteral("007"));
}

void tst_MainWindow::modifiedEnterActsToo()
{
    box->clear();
    QTest::keyClicks(box, QStringLiteral("1944"));
    QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(window->computedYear(), 1944LL);
    QCOMPARE(caption->text(), QStringLiteral(" н. э.  ГОД ОБЕЗЬЯНЫ"));
    QVERIFY(!window->yearModel().victoryDay);
    box->clear();
    QTest::keyClicks(box, QStringLiteral("1945"));
    QTest::keyClick(box, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    QCOMPARE(window->computedYear(), 1945LL);
    QVERIFY(window->yearModel().victoryDay);
    QCOMPARE(box->text(), QStringLiteral("1945"));   // Enter itself inserts nothing
}

void tst_MainWindow::eighthDigitIsRefused()
{
    box->clear();
    QTest::keyClicks(box, QStringLiteral("12345678"));
    QCOMPARE(box->text(), QStringLiteral("1234567"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(window->computedYear(), 1234567LL);
    confirm(QStringLiteral("9999999"));
    QCOMPARE(caption->text(), QStringLiteral(" н. э.  ГОД КАБАНА"));   // 9 999 999 mod 12 = 3
}

void tst_MainWindow::typedNonDigitsAreIgnored_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::newRow("letter") << int(Qt::Key_A) << 0 << "a";
    QTest::newRow("Cyrillic letter") << 0 << 0 << "ж";
    QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << "-";
    QTest::newRow("point") << int(Qt::Key_Period) << 0 << ".";
    QTest::newRow("blank") << int(Qt::Key_Space) << 0 << " ";
    QTest::newRow("Arabic-Indic digit") << 0 << 0 << "١";
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << "\x16";
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << "\x18";
}

void tst_MainWindow::typedNonDigitsAreIgnored()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QApplication::clipboard()->setText(QStringLiteral("99"));
    box->setText(QStringLiteral("19"));
    box->selectAll();
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QApplication::sendEvent(box, &press);
    QCOMPARE(box->text(), QStringLiteral("19"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("99"));   // Ctrl+X cut nothing
}

// Keys as a real X server delivers them, with the text it attaches: "\x7f" to Delete,
// "\b" to Backspace and to Ctrl+H, nothing to the keypad's Delete or the arrows.
void tst_MainWindow::editingKeys_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selected");   // characters selected leftwards from the caret
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");
    QTest::newRow("Delete") << "2026" << 0 << 0 << int(Qt::Key_Delete) << 0 << "\x7f" << "026" << 0;
    QTest::newRow("keypad Delete") << "2026" << 1 << 0 << int(Qt::Key_Delete) << int(Qt::KeypadModifier) << ""
                                   << "226" << 1;
    QTest::newRow("Delete a selection") << "19170" << 2 << 2 << int(Qt::Key_Delete) << 0 << "\x7f" << "170" << 0;
    QTest::newRow("Backspace") << "20055" << 5 << 0 << int(Qt::Key_Backspace) << 0 << "\b" << "2005" << 4;
    QTest::newRow("Ctrl+H") << "20055" << 3 << 0 << int(Qt::Key_H) << int(Qt::ControlModifier) << "\b"
                            << "2055" << 2;
    QTest::newRow("Ctrl+H on a selection") << "19170" << 5 << 1 << int(Qt::Key_H) << int(Qt::ControlModifier)
                                           << "\b" << "1917" << 4;
    QTest::newRow("Home") << "2005" << 4 << 0 << int(Qt::Key_Home) << 0 << "" << "2005" << 0;
    QTest::newRow("End") << "2005" << 1 << 0 << int(Qt::Key_End) << 0 << "" << "2005" << 4;
    QTest::newRow("Left") << "2005" << 2 << 0 << int(Qt::Key_Left) << 0 << "" << "2005" << 1;
    QTest::newRow("Right") << "2005" << 2 << 0 << int(Qt::Key_Right) << 0 << "" << "2005" << 3;
    QTest::newRow("Insert") << "2005" << 2 << 0 << int(Qt::Key_Insert) << 0 << "" << "2005" << 2;
    QTest::newRow("a digit") << "205" << 2 << 0 << int(Qt::Key_0) << 0 << "0" << "2005" << 3;
    QTest::newRow("keypad digit") << "205" << 2 << 0 << int(Qt::Key_0) << int(Qt::KeypadModifier) << "0"
                                  << "2005" << 3;
}

void tst_MainWindow::editingKeys()
{
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(int, selected);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);
    box->setText(start);
    box->setCursorPosition(caret);
    if (selected > 0)
        box->cursorBackward(true, selected);
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(box->text(), expected);
    QCOMPARE(box->cursorPosition(), expectedCaret);
}

void tst_MainWindow::confirmedYearForgetsUndoHistory()
{
    confirm(QStringLiteral("1917"));
    QVERIFY(!box->isUndoAvailable());
    QCOMPARE(box->text(), QStringLiteral("1917"));
    QCOMPARE(box->cursorPosition(), 4);
}

void tst_MainWindow::stepping_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("how");
    QTest::addColumn<long long>("expected");
    QTest::newRow("Page Down") << "2005" << "PageDown" << 2006LL;
    QTest::newRow("Page Up") << "2005" << "PageUp" << 2004LL;
    QTest::newRow("wheel towards the user") << "1917" << "wheel -120" << 1918LL;
    QTest::newRow("wheel away") << "1918" << "wheel 120" << 1917LL;
}

void tst_MainWindow::stepping()
{
    QFETCH(QString, start);
    QFETCH(QString, how);
    QFETCH(long long, expected);
    window->setOldStyleChecked(false);   // a state the user chose must survive
    confirm(start);
    PictureArea *sheet = window->calendarPicture();
    const QStringList words = how.split(QLatin1Char(' '));
    if (words[0] == QLatin1String("wheel")) {
        const QPointF at = sheet->rect().center();
        for (int i = 1; i < words.size(); ++i) {
            QWheelEvent wheel(at, sheet->mapToGlobal(at), QPoint(), QPoint(0, words[i].toInt()), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(sheet, &wheel);
        }
    } else {
        QTest::keyClick(box, words[0] == QLatin1String("PageDown") ? Qt::Key_PageDown : Qt::Key_PageUp);
    }
    QCOMPARE(window->computedYear(), expected);
    QCOMPARE(box->text(), expected == start.toLongLong() ? start : QString::number(expected));
    QVERIFY(!oldStyle->isChecked());
    QCOMPARE(oldStyle->isVisible(), expected < 1918);
    // Exactly as typed and confirmed: the same sheet as a fresh confirmation draws.
    const QImage stepped = sheet->image().copy();
    confirm(QString::number(expected));
    QCOMPARE(sheet->image(), stepped);
}

void tst_MainWindow::menuBarUsesTheMenuFont()
{
    const QFont bar = window->menuBar()->font();
    const QFont items = window->findChild<QMenu *>(QStringLiteral("Menu"))->font();
    QVERIFY(!bar.bold());
    QCOMPARE(bar.family(), items.family());
    QCOMPARE(bar.pointSizeF(), items.pointSizeF());
    QCOMPARE(bar.pixelSize(), items.pixelSize());
    QVERIFY(window->font().bold());   // the controls keep the window's font
}

void tst_MainWindow::tabOrder()
{
    confirm(QStringLiteral("1917"));   // the old-style box is shown and in the chain
    const QStringList expected{"StilChck", "picCalendar", "usrReklamaX1", "DATA"};
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box));
    for (const QString &name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
    // A click on the sheet or the banner leaves the focus where it was.
    QTest::mouseClick(window->calendarPicture(), Qt::LeftButton);
    QTest::mouseClick(window->findChild<QWidget *>(QStringLiteral("usrReklamaX1")), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box));
}

void tst_MainWindow::sheetFocusLeavesThePictureAlone()
{
    PictureArea *sheet = window->calendarPicture();
    const QImage picture = sheet->image().copy();
    const QImage unfocused = sheet->grab().toImage();
    sheet->setFocus(Qt::TabFocusReason);
    QVERIFY(sheet->hasFocus());
    const QImage focused = sheet->grab().toImage();
    QVERIFY2(focused != unfocused, "the focus shows");
    QCOMPARE(sheet->image(), picture);
    QCOMPARE(sheet->accessibleDescription(), QStringLiteral("Календарь на %1 год").arg(window->computedYear()));
    box->setFocus();
    QCOMPARE(sheet->grab().toImage(), unfocused);
}

void tst_MainWindow::pasteThatWouldLeaveNonDigitsIsRefused_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");
    QTest::newRow("negative") << "-5" << "20";
    QTest::newRow("Arabic-Indic digits") << "١٢٣" << "20";
    QTest::newRow("NUL") << QString(QChar(0)) << "20";
    QTest::newRow("digits are welcome") << "05" << "2005";
    QTest::newRow("eight digits are refused whole") << "000000" << "20";
}

void tst_MainWindow::pasteThatWouldLeaveNonDigitsIsRefused()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, expected);
    QApplication::clipboard()->setText(clipboard);
    box->setText(QStringLiteral("20"));
    box->setCursorPosition(2);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(box->text(), expected);

    box->setText(QStringLiteral("20"));
    box->setCursorPosition(2);
    box->paste();   // the context menu's way in
    QCOMPARE(box->text(), expected);
}

void tst_MainWindow::dropOfNonDigitsIsRefused()
{
    box->setText(QStringLiteral("20"));
    QMimeData data;
    data.setText(QStringLiteral("-7"));
    const QPoint at = box->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
    QCOMPARE(box->text(), QStringLiteral("20"));
}

void tst_MainWindow::oldStyleStateSurvivesHiding()
{
    confirm(QStringLiteral("1917"));
    QVERIFY(oldStyle->isVisible());
    QVERIFY(oldStyle->isChecked());
    QCOMPARE(driver::monthStarts(*window)[0], 0);
    QTest::mouseClick(oldStyle, Qt::LeftButton);
    QVERIFY(!oldStyle->isChecked());
    QCOMPARE(driver::monthStarts(*window)[0], 6);

    confirm(QStringLiteral("1918"));
    QVERIFY(!oldStyle->isVisible());
    QCOMPARE(driver::monthStarts(*window)[0], 1);   // the hidden, unchecked box has no effect

    confirm(QStringLiteral("1917"));
    QVERIFY(oldStyle->isVisible());
    QVERIFY(!oldStyle->isChecked());
    QCOMPARE(driver::monthStarts(*window)[0], 6);
}

void tst_MainWindow::oldStyleClickRedrawsTheConfirmedYear()
{
    confirm(QStringLiteral("1917"));
    box->clear();
    QTest::keyClicks(box, QStringLiteral("2005"));   // typed, never confirmed
    QTest::mouseClick(oldStyle, Qt::LeftButton);
    QCOMPARE(window->computedYear(), 1917LL);
    QCOMPARE(driver::monthStarts(*window), (std::array<int, 12>{6, 2, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4}));
    QTest::mouseClick(oldStyle, Qt::LeftButton);
    QCOMPARE(driver::monthStarts(*window), (std::array<int, 12>{0, 3, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5}));
    QCOMPARE(box->text(), QStringLiteral("2005"));
}

void tst_MainWindow::exitClosesTheWindow()
{
    auto *exit = window->findChild<QAction *>(QStringLiteral("MenuExit"));
    QVERIFY(exit);
    exit->trigger();
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
