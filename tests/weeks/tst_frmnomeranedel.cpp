// The week numbers window's drawing, for the year as the main window holds it: the
// worked months with their week numbers, the colours of May and of Victory Day, the
// clearing between months, old-style years against the year sheet, the font's fit,
// and the controls as the user meets them.
#include "calendar/sheetgeometry.h"
#include "calendar/weeknumbers.h"
#include "calendar/yearmodel.h"
#include "sheet/sheetpage.h"
#include "paint/fonts.h"
#include "ui/picturearea.h"
#include "paint/vbcolor.h"
#include "weeks/frmnomeranedel.h"

#include "pictureprobe.h"

#include <QApplication>
#include <QDate>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>

using namespace ortelana;
using namespace weekstest;

class tst_frmNomeraNedel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controls();
    void fontFitsTheColumns();
    void workedMonths_data();
    void workedMonths();
    void victoryDay_data();
    void victoryDay();
    void switchingMonthsLeavesNothingBehind();
    void oldStyleYearMatchesTheSheet_data();
    void oldStyleYearMatchesTheSheet();
    void selectionCannotBeEmptied();

private:
    // The year as the main window holds it after Enter or a click on the old-style box.
    void confirm(const QString &year, bool oldStyleChecked = true)
    {
        model = computeYear(year.toLongLong());
        checked = oldStyleChecked;
    }
    std::unique_ptr<frmNomeraNedel> openOn(int month);

    YearModel model;
    bool checked = true;
    int chosenMonth = 0;
};

void tst_frmNomeraNedel::initTestCase()
{
    registerFontSubstitutes();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_frmNomeraNedel::init()
{
    // As start-up leaves the program: the current year, the box checked.
    confirm(QString::number(QDate::currentDate().year()));
    chosenMonth = 0;
}

void tst_frmNomeraNedel::cleanup()
{
    model = YearModel{};
}

// Builds the window as the menu command does, without showing it: everything it
// shows is drawn by then.
std::unique_ptr<frmNomeraNedel> tst_frmNomeraNedel::openOn(int month)
{
    chosenMonth = month;
    return std::make_unique<frmNomeraNedel>(model, checked, chosenMonth);
}

void tst_frmNomeraNedel::controls()
{
    const auto dialog = openOn(0);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Номера недель"));
    QCOMPARE(dialog->size(), QSize(328, 260));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY(!(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(dialog->windowType(), Qt::Dialog);
    const QFontInfo font(dialog->font());
    QCOMPARE(font.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(font.pixelSize(), 16);
    QVERIFY(font.bold());

    auto *list = dialog->findChild<QListWidget *>(QStringLiteral("List1"));
    auto *label = dialog->findChild<QLabel *>(QStringLiteral("Label1"));
    auto *picture = dialog->findChild<PictureArea *>(QStringLiteral("Picture1"));
    auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("kOK"));
    QVERIFY(list && label && picture && ok);
    QCOMPARE(picture->drawingSize(), QSize(181, 165));   // 185 x 169 less the sunken frame
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());

    QCOMPARE(list->count(), 12);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(list->item(i)->text(), kMonths[i]);
    QCOMPARE(dialog->focusWidget(), static_cast<QWidget *>(list));
    QCOMPARE(label->text(), QStringLiteral("Январь"));   // the design text is gone before showing

    // The month is drawn before the window is ever shown; so are the weekday labels.
    QVERIFY(!dialog->isVisible());
    const QImage &image = picture->image();
    QCOMPARE(image.devicePixelRatio(), 1.0);
    for (int r = 0; r < 7; ++r)
        QCOMPARE(inkIn(image, QRect(0, 20 * r, 26, 20), picture->BackColor()), r == 6 ? kRed : kLabelColour);
    QVERIFY(!isBlank(image, weekBox(1), picture->BackColor()));
}

// The widest text of each kind, written in the last column, stays inside its box and
// inside the picture; the weekday labels stay left of the cleared area.
void tst_frmNomeraNedel::fontFitsTheColumns()
{
    const auto dialog = openOn(0);
    auto *picture = dialog->findChild<PictureArea *>(QStringLiteral("Picture1"));
    Reference ref(*picture);
    const QColor background = picture->BackColor();
    QList<long long> numbers;
    for (long long n = 1; n <= 31; ++n)
        numbers << n;
    numbers << 53 << 54;
    for (long long n : numbers) {
        ref.clear();
        ref.write({156, 140}, n, kDayColour);
        const QRect box = weekBox(6);
        QImage rest = ref.image().copy();
        QPainter(&rest).fillRect(box, background);
        QVERIFY2(isBlank(rest, rest.rect(), background), qPrintable(QStringLiteral("%1 spills out of its column").arg(n)));
        QVERIFY(!isBlank(ref.image(), box, background));
        QVERIFY(picture->TextWidth(QStringLiteral(" %1").arg(n)) <= 181 - 156);   // not cut by the edge
    }
    for (const QString &label : kWeekdays)
        QVERIFY2(picture->TextWidth(label) < 26, qPrintable(label));
    for (const QString &name : kMonths)
        QVERIFY2(picture->fontMetrics().horizontalAdvance(name) <= 183, qPrintable(name));
}

void tst_frmNomeraNedel::workedMonths_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("firstWeek");
    QTest::addColumn<QList<int>>("redDays");
    QTest::newRow("January 2024") << 2024 << 1 << 5 << 1 << QList<int>{7, 14, 21, 28};
    QTest::newRow("February 2024") << 2024 << 2 << 5 << 5 << QList<int>{4, 11, 18, 25};
    QTest::newRow("September 2024, the 1st a Sunday") << 2024 << 9 << 6 << 35 << QList<int>{1, 8, 15, 22, 29};
    QTest::newRow("February 2021, four columns") << 2021 << 2 << 4 << 6 << QList<int>{7, 14, 21, 28};
    QTest::newRow("January 2023, 1 January a Sunday") << 2023 << 1 << 6 << 1 << QList<int>{1, 8, 15, 22, 29};
    QTest::newRow("May 2005, 9 May red") << 2005 << 5 << 6 << 18 << QList<int>{1, 8, 9, 15, 22, 29};
    QTest::newRow("December 2005, week 53") << 2005 << 12 << 5 << 49 << QList<int>{4, 11, 18, 25};
    QTest::newRow("December 2012, week 54") << 2012 << 12 << 6 << 49 << QList<int>{2, 9, 16, 23, 30};
}

// Every slot of the month holds its day in its colour, or nothing; every column its
// week number; the whole picture is the month drawn text by text.
void tst_frmNomeraNedel::workedMonths()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, columns);
    QFETCH(int, firstWeek);
    QFETCH(QList<int>, redDays);
    confirm(QString::number(year));
    QCOMPARE(firstWeekNumber(model.months(checked), month - 1), firstWeek);

    const auto dialog = openOn(month - 1);
    auto *picture = dialog->findChild<PictureArea *>(QStringLiteral("Picture1"));
    const QImage &image = picture->image();
    const QColor background = picture->BackColor();
    Reference ref(*picture);

    // Where each day stands, from <chrono>'s weekday of the 1st.
    std::array<std::array<int, 7>, 7> held{};   // [column][row] -> day
    const int first = chronoWeekday(year, month, 1);
    for (int day = 1; day <= chronoMonthDays(year, month); ++day)
        held[std::size_t((first + day - 1) / 7 + 1)][std::size_t((first + day - 1) % 7)] = day;
    for (int c = 1; c <= 6; ++c) {
        for (int r = 0; r < 7; ++r) {
            const int day = held[std::size_t(c)][std::size_t(r)];
            const QString where = QStringLiteral("column %1 row %2 day %3").arg(c).arg(r).arg(day);
            if (day == 0)
                continue;   // blank: the whole picture is compared below
            const QColor colour = redDays.contains(day) ? kRed : kDayColour;
            QVERIFY2(ref.holds(image, slotBox(c, r), {26 * c, 20 * r}, (long long)day, colour), qPrintable(where));
        }
        if (c > columns) {
            QVERIFY2(isBlank(image, weekBox(c), background), qPrintable(QStringLiteral("week under column %1").arg(c)));
            continue;
        }
        QVERIFY2(ref.holds(image, weekBox(c), {26 * c, 140}, (long long)(firstWeek + c - 1), kWeekColour),
                 qPrintable(QStringLiteral("week %1 under column %2").arg(firstWeek + c - 1).arg(c)));
    }
    QCOMPARE(image, expectedPicture(ref, year, month, 0));
}

void tst_frmNomeraNedel::victoryDay_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("red");
    QTest::newRow("9 May 2021, a Sunday") << 2021 << 9 << true;
    QTest::newRow("9 May 1944, a Tuesday") << 1944 << 9 << false;
    QTest::newRow("9 May 1945, a Wednesday") << 1945 << 9 << true;
}

void tst_frmNomeraNedel::victoryDay()
{
    QFETCH(int, year);
    QFETCH(int, day);
    QFETCH(bool, red);
    confirm(QString::number(year));
    const auto dialog = openOn(4);
    auto *picture = dialog->findChild<PictureArea *>(QStringLiteral("Picture1"));
    const int first = chronoWeekday(year, 5, 1);
    const int column = (first + day - 1) / 7 + 1;
    const int row = chronoWeekday(year, 5, day);
    const QColor colour = red ? kRed : kDayColour;
    QCOMPARE(inkIn(picture->image(), slotBox(column, row), picture->BackColor()), colour);
    Reference ref(*picture);
    QVERIFY(ref.holds(picture->image(), slotBox(column, row), {26 * column, 20 * row}, (long long)day, colour));
    QCOMPARE(picture->image(), expectedPicture(ref, year, 5, 0));
}

// August 2021 fills six columns, February 2021 four: after the switch the picture is
// the same as February drawn alone, and the weekday labels were never touched.
void tst_frmNomeraNedel::switchingMonthsLeavesNothingBehind()
{
    confirm(QStringLiteral("2021"));
    const auto fresh = openOn(1);
    const QImage february = fresh->findChild<PictureArea *>(QStringLiteral("Picture1"))->image().copy();

    const auto dialog = openOn(7);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto *picture = dialog->findChild<PictureArea *>(QStringLiteral("Picture1"));
    auto *list = dialog->findChild<QListWidget *>(QStringLiteral("List1"));
    const QRect labels(0, 0, 26, 165);
    const QImage labelsBefore = picture->image().copy(labels);
    QVERIFY(!isBlank(picture->image(), weekBox(6), picture->BackColor()));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(chosenMonth, 1);
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Февраль"));
    QCOMPARE(picture->image(), february);
    QCOMPARE(picture->image().copy(labels), labelsBefore);

    // Walking the whole year with the arrow keys and back never disturbs the labels.
    for (int i = 0; i < 11; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 11);
    QCOMPARE(chosenMonth, 11);
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(picture->image(), february);
}

void tst_frmNomeraNedel::oldStyleYearMatchesTheSheet_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("lastJanuaryWeek");
    QTest::newRow("1917 old style checked") << true << 5;
    QTest::newRow("1917 old style unchecked") << false << 6;
}

// Every month of 1917 stands in the window where the year sheet placed it, in the
// same colours, and the week numbers follow that placing.
void tst_frmNomeraNedel::oldStyleYearMatchesTheSheet()
{
    QFETCH(bool, checked);
    QFETCH(int, lastJanuaryWeek);
    confirm(QStringLiteral("1917"), checked);

    const auto dialog = openOn(0);
    auto *picture = dialog->findChild<PictureArea *>(QStringLiteral("Picture1"));
    auto *list = dialog->findChild<QListWidget *>(QStringLiteral("List1"));
    Reference ref(*picture);
    const QColor background = picture->BackColor();
    const int lastColumn = lastJanuaryWeek;
    QVERIFY(ref.holds(picture->image(), weekBox(lastColumn), {26 * lastColumn, 140}, (long long)lastJanuaryWeek, kWeekColour));
    QVERIFY(isBlank(picture->image(), weekBox(lastColumn + 1), background));

    const QImage sheet = sheetImage({1917, checked}, 1);
    const QColor sheetBackground = QGuiApplication::palette().color(QPalette::Button);
    for (int m = 0; m < 12; ++m) {
        list->setCurrentRow(m);
        const QImage &image = picture->image();
        const MonthCellCorner cell = MonthCell[std::size_t(m)];
        for (int c = 1; c <= 6; ++c)
            for (int r = 0; r < 7; ++r) {
                const QRect sheetSlot(cell.X + 4 + 22 * c + 1, cell.Y + 16 * (r + 1) + 1, 20, 14);
                QVERIFY2(inkIn(image, slotBox(c, r), background) == inkIn(sheet, sheetSlot, sheetBackground),
                         qPrintable(QStringLiteral("month %1 column %2 row %3").arg(m + 1).arg(c).arg(r)));
            }
        QVERIFY2(image == expectedPicture(ref, 1917, m + 1, checked ? 0 : 6), qPrintable(kMonths[m]));
    }
}

// Ctrl+click on the chosen month would leave a single-choice list with nothing chosen.
void tst_frmNomeraNedel::selectionCannotBeEmptied()
{
    const auto dialog = openOn(3);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto *list = dialog->findChild<QListWidget *>(QStringLiteral("List1"));
    auto *picture = dialog->findChild<PictureArea *>(QStringLiteral("Picture1"));
    const QImage before = picture->image().copy();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(3)).center());
    QCOMPARE(list->currentRow(), 3);
    QCOMPARE(list->selectedItems().size(), 1);
    QCOMPARE(list->selectedItems().first(), list->item(3));
    QCOMPARE(chosenMonth, 3);
    QCOMPARE(picture->image(), before);
}

QTEST_MAIN(tst_frmNomeraNedel)
#include "tst_frmnomeranedel.moc"
