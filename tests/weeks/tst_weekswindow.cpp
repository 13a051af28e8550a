// The week numbers window as the user opens it from the main window: F4 and the menu
// command, the modal wait, the arrow keys, the ways to close it, the month it
// remembers across closings and new years, and the main window's deafness meanwhile.
#include "app/frmforma.h"
#include "app/startup.h"
#include "app/yearbox.h"
#include "paint/fonts.h"
#include "ui/picturearea.h"
#include "paint/vbcolor.h"
#include "weeks/frmnomeranedel.h"

#include "pictureprobe.h"
#include "windowdriver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>

#include <functional>

using namespace ortelana;
using namespace weekstest;

namespace {

// What one opening of the window showed, gathered while it was open.
struct Seen
{
    bool opened = false;
    bool modal = false;
    QString title;
    QString label;
    int row = -1;
    QString focus;
    QImage picture;
    bool wholeListVisible = false;
};

using Controls = driver::WeeksControls;

void look(const Controls &c, Seen &seen)
{
    seen.opened = true;
    seen.modal = c.dialog->isModal() && QApplication::activeModalWidget() == c.dialog;
    seen.title = c.dialog->windowTitle();
    seen.label = c.label->text();
    seen.row = c.list->currentRow();
    seen.focus = c.dialog->focusWidget() ? c.dialog->focusWidget()->objectName() : QString();
    seen.picture = c.picture->image().copy();
    // All twelve months show at once, none cut short (the widest is "Сентябрь").
    seen.wholeListVisible = true;
    for (int i = 0; i < c.list->count(); ++i) {
        const QRect item = c.list->visualItemRect(c.list->item(i));
        const int textWidth = c.list->fontMetrics().horizontalAdvance(c.list->item(i)->text());
        seen.wholeListVisible &= c.list->viewport()->rect().contains(item) && textWidth < item.width();
    }
}

} // namespace

class tst_WeeksWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void f4OpensTheModalWindow();
    void arrowKeysWalkTheMonths();
    void closing_data();
    void closing();
    void monthIsRememberedAcrossClosingsAndYears();
    void mainWindowTakesNoInputWhileOpen();

private:
    void openByMenu(const std::function<void(const Controls &)> &steps);

    std::unique_ptr<frmForma> window;
    QAction *menuCommand = nullptr;
};

void tst_WeeksWindow::initTestCase()
{
    driver::prepareApplication();
}

void tst_WeeksWindow::init()
{
    driver::startProgram(window);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    menuCommand = window->findChild<QAction *>(QStringLiteral("MenuNomeraNedel"));
    QVERIFY(menuCommand);
}

void tst_WeeksWindow::cleanup()
{
    driver::stopProgram(window);
}

void tst_WeeksWindow::openByMenu(const std::function<void(const Controls &)> &steps)
{
    QVERIFY(driver::whileWeeksOpen(this, [this] { menuCommand->trigger(); }, steps));
}

void tst_WeeksWindow::f4OpensTheModalWindow()
{
    Seen seen;
    const bool opened = driver::whileWeeksOpen(
        this, [this] { QTest::keyClick(window.get(), Qt::Key_F4); },
        [&](const Controls &c) {
            look(c, seen);
            c.ok->click();
        });
    QVERIFY(opened);
    QVERIFY(seen.modal);
    QCOMPARE(seen.title, QStringLiteral("Номера недель"));
    QCOMPARE(seen.label, QStringLiteral("Январь"));   // first opening in the process
    QCOMPARE(seen.row, 0);
    QCOMPARE(seen.focus, QStringLiteral("List1"));
    QVERIFY(seen.wholeListVisible);
    // Closed and discarded: nothing of it is left.
    QVERIFY(window->findChildren<frmNomeraNedel *>().isEmpty());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void tst_WeeksWindow::arrowKeysWalkTheMonths()
{
    QStringList labels;
    QList<int> chosen;
    QStringList afterTab;
    openByMenu([&](const Controls &c) {
        for (int i = 0; i < 11; ++i) {
            QTest::keyClick(c.list, Qt::Key_Down);
            labels << c.label->text();
            chosen << window->chosenMonth();
        }
        QTest::keyClick(c.list, Qt::Key_Down);   // past December: stays
        labels << c.label->text();
        QTest::keyClick(c.list, Qt::Key_Up);
        labels << c.label->text();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(c.dialog->focusWidget(), Qt::Key_Tab);
            afterTab << c.dialog->focusWidget()->objectName();
        }
        c.ok->click();
    });
    QCOMPARE(labels, (QStringList{"Февраль", "Март", "Апрель", "Май", "Июнь", "Июль", "Август",
                                  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь", "Декабрь", "Ноябрь"}));
    QCOMPARE(chosen, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    QCOMPARE(afterTab, (QStringList{"Picture1", "kOK", "List1"}));   // the label takes no focus
    QCOMPARE(window->chosenMonth(), 10);
}

void tst_WeeksWindow::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK clicked") << "ok";
    QTest::newRow("Enter in the list") << "enter";
    QTest::newRow("Esc") << "escape";
    QTest::newRow("title bar's close") << "close";
}

void tst_WeeksWindow::closing()
{
    QFETCH(QString, how);
    QPointer<frmNomeraNedel> seenDialog;
    bool closedByIt = false;
    openByMenu([&](const Controls &c) {
        seenDialog = c.dialog;
        QTest::keyClick(c.list, Qt::Key_Down);
        QTest::keyClick(c.list, Qt::Key_Down);
        if (how == QLatin1String("ok"))
            QTest::mouseClick(c.ok, Qt::LeftButton);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(c.list, Qt::Key_Return);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(c.list, Qt::Key_Escape);
        else
            c.dialog->close();
        closedByIt = !c.dialog->isVisible();
    });
    QVERIFY(closedByIt);
    QVERIFY(seenDialog.isNull());   // discarded on closing
    QCOMPARE(window->chosenMonth(), 2);
}

void tst_WeeksWindow::monthIsRememberedAcrossClosingsAndYears()
{
    driver::confirmYear(*window, QStringLiteral("2005"));
    Seen first, second, third;
    openByMenu([&](const Controls &c) {
        look(c, first);
        QTest::mouseClick(c.list->viewport(), Qt::LeftButton, {}, c.list->visualItemRect(c.list->item(8)).center());
        c.ok->click();
    });
    QCOMPARE(first.label, QStringLiteral("Январь"));
    QCOMPARE(window->chosenMonth(), 8);

    openByMenu([&](const Controls &c) {
        look(c, second);
        c.ok->click();
    });
    QCOMPARE(second.label, QStringLiteral("Сентябрь"));
    QCOMPARE(second.row, 8);

    driver::confirmYear(*window, QStringLiteral("2024"));
    openByMenu([&](const Controls &c) {
        look(c, third);
        c.ok->click();
    });
    QCOMPARE(third.label, QStringLiteral("Сентябрь"));
    QCOMPARE(third.row, 8);
    QVERIFY(third.picture != second.picture);

    // September 2024: the 1st alone, red, in the Sunday row; weeks 35 to 40.
    int scratchMonth = 0;
    frmNomeraNedel scratch(YearModel{}, true, scratchMonth);
    PictureArea *like = scratch.findChild<PictureArea *>(QStringLiteral("Picture1"));
    Reference ref(*like);
    const QColor background = like->BackColor();
    QVERIFY(ref.holds(third.picture, slotBox(1, 6), {26, 120}, 1LL, vbColor(colors::Red)));
    for (int r = 0; r < 6; ++r)
        QVERIFY(isBlank(third.picture, slotBox(1, r), background));
    for (int c = 1; c <= 6; ++c)
        QVERIFY2(ref.holds(third.picture, weekBox(c), {26 * c, 140}, (long long)(34 + c), vbColor(0x7A1200)),
                 qPrintable(QStringLiteral("week %1").arg(34 + c)));
}

// Keys and clicks sent to the main window's own window, as the window system would
// deliver them, go nowhere while the week numbers window is open; the same input
// afterwards does reach it.
void tst_WeeksWindow::mainWindowTakesNoInputWhileOpen()
{
    driver::confirmYear(*window, QStringLiteral("1917"));
    auto *oldStyle = window->findChild<QCheckBox *>(QStringLiteral("StilChck"));
    QVERIFY(oldStyle && oldStyle->isVisible() && oldStyle->isChecked());
    window->yearBox()->setFocus();
    window->yearBox()->clear();
    const auto monthStart = driver::monthStarts(*window);
    QWindow *mainWindow = window->windowHandle();
    const QPoint onBox = oldStyle->mapTo(window.get(), QPoint(8, oldStyle->height() / 2));
    const auto sendInput = [&] {
        QTest::keyClick(mainWindow, Qt::Key_2);
        QTest::keyClick(mainWindow, Qt::Key_0);
        QTest::keyClick(mainWindow, Qt::Key_0);
        QTest::keyClick(mainWindow, Qt::Key_5);
        QTest::keyClick(mainWindow, Qt::Key_Return);
        QTest::mouseClick(mainWindow, Qt::LeftButton, {}, onBox);
    };

    int openWindows = 0;
    openByMenu([&](const Controls &c) {
        sendInput();
        QTest::keyClick(mainWindow, Qt::Key_F4);
        QCoreApplication::processEvents();
        for (QWidget *w : QApplication::topLevelWidgets())
            openWindows += qobject_cast<frmNomeraNedel *>(w) && w->isVisible() ? 1 : 0;
        c.ok->click();
    });
    QCOMPARE(openWindows, 1);
    QCOMPARE(window->yearBox()->text(), QString());
    QCOMPARE(window->computedYear(), 1917LL);
    QVERIFY(oldStyle->isChecked());
    QCOMPARE(driver::monthStarts(*window), monthStart);

    // The control: with the window closed, the same input changes the year.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->yearBox()->setFocus();
    sendInput();
    QCOMPARE(window->computedYear(), 2005LL);
}

QTEST_MAIN(tst_WeeksWindow)
#include "tst_weekswindow.moc"
