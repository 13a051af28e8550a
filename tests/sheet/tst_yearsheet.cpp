// The year sheet as drawn into its real image: every day slot of every month holds
// ink of the expected colour or none, redraws leave nothing behind, the fixed layer
// survives, and the substitute font fits the pixel layout.
#include "pixelprobe.h"
#include "calendar/scene.h"
#include "calendar/sheetgeometry.h"
#include "calendar/yeartables.h"
#include "paint/fonts.h"
#include "ui/picturearea.h"
#include "ui/qtext.h"
#include "paint/vbcolor.h"

#include <QApplication>
#include <QFontInfo>
#include <QStyleFactory>
#include <QTest>


using namespace ortelana;
using probe::chronoWeekday;
using probe::inkIn;

namespace {

constexpr std::array<int, 13> kDays{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The sheet as the window draws it, the fixed layer drawn once; draw() redraws the days.
struct Sheet
{
    PictureArea picture{PictureArea::Border::Sunken};
    Scene scene;

    explicit Sheet(qreal scale = 1)
    {
        picture.setFont(sansSerifFont(fontpx::Pt9_75, true));
        picture.resize(sheet::OuterWidth, sheet::OuterHeight);
        picture.setImageScale(scale);
        picture.draw(sheetFixedLayer());
    }
    void draw(int year, bool checked = true)
    {
        scene = sheetScene(computeYear(year), checked);
        picture.draw(scene.dayLayer);
    }
};

int inkWidth(const QImage &image, const QRect &area, const QColor &background)
{
    const QRect region = area & image.rect();
    int left = region.right() + 1, right = region.left() - 1;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (image.pixel(x, y) != background.rgb()) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
    return right >= left ? right - left + 1 : 0;
}

// The box in which the digits of week column c, weekday row r of a cell stand.
QRect slotBox(const MonthCellCorner &cell, int column, int row)
{
    return QRect(cell.X + 4 + 22 * column + 1, cell.Y + 16 * row + 1, 20, 14);
}

} // namespace

class tst_YearSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fontFitsTheLayout();
    void everySlotHasTheRightInk_data();
    void everySlotHasTheRightInk();
    void redrawLeavesNothingBehind_data();
    void redrawLeavesNothingBehind();
    void fixedLayerSurvivesRedraws();
};

void tst_YearSheet::initTestCase()
{
    registerFontSubstitutes();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_YearSheet::fontFitsTheLayout()
{
    const QFont dayFont = sansSerifFont(fontpx::Pt9_75, true);
    QCOMPARE(QFontInfo(dayFont).family(), QStringLiteral("Liberation Sans"));
    const QFontMetrics day(dayFont);
    int widest = 0;
    for (int n = 1; n <= 31; ++n)
        widest = qMax(widest, day.horizontalAdvance(QStringLiteral(" %1 ").arg(n)));
    QVERIFY2(widest <= 22, qPrintable(QStringLiteral("widest day number %1 px").arg(widest)));

    const QString abbreviations = toQString(WeekdayAbbreviations);
    for (int r = 0; r < 7; ++r)
        QVERIFY2(4 + day.horizontalAdvance(abbreviations.mid(2 * r, 2)) <= 28, qPrintable(abbreviations.mid(2 * r, 2)));
    for (const std::string_view name : MonthName)
        QVERIFY(day.horizontalAdvance(toQString(name)) <= 127);

    QVERIFY(QFontMetrics(sansSerifFont(fontpx::Pt12, true)).horizontalAdvance(QStringLiteral("Год:")) <= 38);
}

void tst_YearSheet::everySlotHasTheRightInk_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("checked");
    QTest::newRow("2005") << 2005 << true;
    QTest::newRow("2006, January in six columns") << 2006 << true;
    QTest::newRow("2010, February in four, 9 May a Sunday") << 2010 << true;
    QTest::newRow("1944, 9 May unmarked") << 1944 << true;
    QTest::newRow("1945, 9 May marked") << 1945 << true;
    QTest::newRow("1917 old style checked") << 1917 << true;
    QTest::newRow("1917 old style unchecked") << 1917 << false;
    QTest::newRow("2024 leap") << 2024 << true;
}

// Expected placing from <chrono>: every day in the row of its weekday (one row
// earlier for an unchecked old-style year), columns counted from the 1st's row.
void tst_YearSheet::everySlotHasTheRightInk()
{
    QFETCH(int, year);
    QFETCH(bool, checked);
    Sheet s;
    s.draw(year, checked);
    const QImage &image = s.picture.image();
    const QColor background = s.picture.BackColor();
    const int shift = (offersOldStyle(year) && !checked) ? 6 : 0;

    for (int month = 1; month <= 12; ++month) {
        const MonthCellCorner cell = MonthCell[std::size_t(month - 1)];
        const int days = month == 2 ? februaryDays(year) : kDays[std::size_t(month)];
        std::array<std::array<int, 8>, 7> expected{};   // [column][row] -> day
        const int first = (chronoWeekday(year, month, 1) + shift) % 7;
        const auto firstCell = std::find_if(s.scene.cells.begin(), s.scene.cells.end(),
                                            [&](const SceneCell &c) { return c.month == month && c.day == 1; });
        QVERIFY(firstCell != s.scene.cells.end());
        QCOMPARE(firstCell->weekday - 1, first);
        for (int day = 1; day <= days; ++day) {
            const int row = (chronoWeekday(year, month, day) + shift) % 7 + 1;
            const int column = (first + day - 1) / 7 + 1;
            expected[std::size_t(column)][std::size_t(row)] = day;
        }
        for (int column = 1; column <= 6; ++column)
            for (int row = 1; row <= 7; ++row) {
                const int day = expected[std::size_t(column)][std::size_t(row)];
                const QRect box = slotBox(cell, column, row);
                const QColor ink = inkIn(image, box, background);
                const QString where = QStringLiteral("%1-%2 column %3 row %4 (day %5)")
                                          .arg(year).arg(month).arg(column).arg(row).arg(day);
                if (day == 0) {
                    QVERIFY2(!ink.isValid(), qPrintable(where + QStringLiteral(": ink in an empty slot")));
                    continue;
                }
                const bool red = row == 7 || (year > 1944 && month == 5 && day == 9);
                QVERIFY2(ink.isValid(), qPrintable(where + QStringLiteral(": no ink")));
                QVERIFY2(ink.rgb() == bgrToRgb(red ? colors::Red : colors::DayNumber),
                         qPrintable(where + QStringLiteral(": wrong colour ") + ink.name()));
                // One digit is narrower than two.
                const int width = inkWidth(image, box, background);
                QVERIFY2(day < 10 ? width < 10 : width >= 12, qPrintable(where + QStringLiteral(": width %1").arg(width)));
            }
    }
}

void tst_YearSheet::redrawLeavesNothingBehind_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("beforeChecked");
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("afterChecked");
    QTest::addColumn<qreal>("scale");
    for (const qreal scale : {1.0, 2.0, 1.5, 3.0}) {
        const QString at = QStringLiteral(" at %1x").arg(scale);
        QTest::newRow(qPrintable(QStringLiteral("2006 then 2005") + at)) << 2006 << true << 2005 << true << scale;
        QTest::newRow(qPrintable(QStringLiteral("2010 then 2006") + at)) << 2010 << true << 2006 << true << scale;
        QTest::newRow(qPrintable(QStringLiteral("1917 unchecked then checked") + at)) << 1917 << false << 1917 << true << scale;
        QTest::newRow(qPrintable(QStringLiteral("1917 checked then unchecked") + at)) << 1917 << true << 1917 << false << scale;
        QTest::newRow(qPrintable(QStringLiteral("9999999 then 1") + at)) << 9999999 << true << 1 << true << scale;
    }
}

void tst_YearSheet::redrawLeavesNothingBehind()
{
    QFETCH(int, before);
    QFETCH(bool, beforeChecked);
    QFETCH(int, after);
    QFETCH(bool, afterChecked);
    QFETCH(qreal, scale);
    Sheet redrawn(scale), fresh(scale);
    redrawn.draw(before, beforeChecked);
    redrawn.draw(after, afterChecked);
    fresh.draw(after, afterChecked);
    QCOMPARE(redrawn.picture.image(), fresh.picture.image());
}

void tst_YearSheet::fixedLayerSurvivesRedraws()
{
    Sheet s;
    const QImage fixedLayer = s.picture.image().copy();
    // The sheet's fixed layer: month names in purple, abbreviations in blue and red.
    QCOMPARE(inkIn(fixedLayer, QRect(28, 0, 127, 16), s.picture.BackColor()).rgb(), bgrToRgb(colors::Purple));
    QCOMPARE(inkIn(fixedLayer, QRect(474 + 4, 16, 22, 15), s.picture.BackColor()).rgb(), bgrToRgb(colors::DarkBlue));
    QCOMPARE(inkIn(fixedLayer, QRect(474 + 4, 264 + 112, 22, 15), s.picture.BackColor()).rgb(), bgrToRgb(colors::Red));

    for (int year : {2006, 1917, 2010, 1})
        s.draw(year);
    const QImage after = s.picture.image();
    for (const MonthCellCorner &cell : MonthCell) {
        const QRect names(cell.X, cell.Y, 158, 16);
        const QRect labels(cell.X, cell.Y + 16, 27, 112);
        QCOMPARE(after.copy(names), fixedLayer.copy(names));
        QCOMPARE(after.copy(labels), fixedLayer.copy(labels));
    }
}

QTEST_MAIN(tst_YearSheet)
#include "tst_yearsheet.moc"
