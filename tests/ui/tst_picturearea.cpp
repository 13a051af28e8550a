// The picture area as a canvas: text position, number form, filled boxes with both
// corners, persistence of the image, and pixel density.
#include "pixelprobe.h"
#include "calendar/scene.h"
#include "paint/fonts.h"
#include "ui/picturearea.h"
#include "paint/surface.h"
#include "paint/vbcolor.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

using namespace ortelana;
using probe::inkBounds;

namespace {
SceneItem text(int x, int y, Colour colour, const std::string &text) { return TextItem{x, y, 0, colour, text}; }
SceneItem box(int x1, int y1, int x2, int y2, Colour colour) { return BoxItem{x1, y1, x2, y2, colour}; }
} // namespace

class tst_PictureArea : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutes(); }
    void numbersCarryBlanks_data();
    void numbersCarryBlanks();
    void printPutsTheTopLeftAtThePosition();
    void fillBoxIncludesBothCorners();
    void drawingPersistsWithoutRedraw();
    void frameIsOutsideTheDrawingArea();
    void highDensityKeepsLogicalPositions();
    void pictureSurvivesResizeAndDensityChange();
    void surfaceCarriesTheInk_data();
    void surfaceCarriesTheInk();
};

// Button faces of real themes (the default, GTK Adwaita-dark, qt6ct's darker, a black
// high-contrast palette) and the surface a picture of fixed ink gets on each.
void tst_PictureArea::surfaceCarriesTheInk_data()
{
    QTest::addColumn<QColor>("face");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("surface");
    QTest::newRow("default: its own face, unchanged") << QColor(0xEFEFEF) << QColor(Qt::black) << QColor(0xEFEFEF);
    QTest::newRow("a white face") << QColor(Qt::white) << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("Adwaita-dark") << QColor(0x323232) << QColor(0xEEEEEC) << QColor(0xEFEFEF);
    QTest::newRow("qt6ct darker") << QColor(0x424245) << QColor(0xD3D3D3) << QColor(0xEFEFEF);
    QTest::newRow("black") << QColor(Qt::black) << QColor(Qt::white) << QColor(0xEFEFEF);
    // Light enough for the dark ink, too dark for the month names' 3:1.
    QTest::newRow("a mid grey") << QColor(0xA0A0A0) << QColor(Qt::black) << QColor(0xEFEFEF);
}

void tst_PictureArea::surfaceCarriesTheInk()
{
    QFETCH(QColor, face);
    QFETCH(QColor, text);
    QFETCH(QColor, surface);
    QPalette palette;
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::WindowText, text);
    QCOMPARE(inkSurface(palette), surface);
    for (const auto &[ink, least] : {std::pair{colors::DayNumber, 4.5}, std::pair{colors::DarkBlue, 4.5},
                                     std::pair{colors::WeekNumber, 4.5}, std::pair{colors::Purple, 3.0},
                                     std::pair{colors::Red, 3.0}})
        QVERIFY2(contrastRatio(vbColor(ink), surface) >= least, qPrintable(vbColor(ink).name()));
    // A picture area takes it as its background; its focus frame stays visible on it.
    QApplication::setPalette(palette);
    PictureArea area(PictureArea::Border::None);
    QCOMPARE(area.BackColor(), surface);
    QVERIFY(contrastRatio(area.palette().color(QPalette::WindowText), surface) >= 4.5);
    // The About window's texts on its fixed light grey.
    QVERIFY(contrastRatio(readableText(palette, vbColor(colors::LightGrey)), vbColor(colors::LightGrey)) >= 4.5);
    QApplication::setPalette(QPalette());
}

void tst_PictureArea::numbersCarryBlanks_data()
{
    QTest::addColumn<long long>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("one digit") << 9LL << " 9 ";
    QTest::newRow("two digits") << 31LL << " 31 ";
    QTest::newRow("zero") << 0LL << " 0 ";
    QTest::newRow("negative takes the sign place") << -7LL << "-7 ";
}

// A number is written with a blank in the sign place and one after it.
void tst_PictureArea::numbersCarryBlanks()
{
    QFETCH(long long, number);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(writtenNumber(number)), text);
    PictureArea byNumber(PictureArea::Border::None);
    byNumber.setFont(sansSerifFont(fontpx::Pt9_75, true));
    byNumber.resize(60, 20);
    byNumber.draw({TextItem{0, 0, 0, 0, writtenNumber(number)}});

    // One- and two-digit numbers share their left edge: the sign blank.
    const QRect ink = inkBounds(byNumber.image(), byNumber.BackColor());
    QVERIFY(ink.isValid());
    if (number >= 0)
        QVERIFY2(ink.left() >= byNumber.TextWidth(QStringLiteral(" ")) - 1, qPrintable(QString::number(ink.left())));
}

// Text stands with the top of its line at the position, as QPainter places it on the
// baseline one ascent lower.
void tst_PictureArea::printPutsTheTopLeftAtThePosition()
{
    const QFont font = sansSerifFont(fontpx::Pt9_75, true);
    const QString text = QStringLiteral("Сентябрь 31");

    QImage reference(120, 40, QImage::Format_RGB32);
    reference.fill(Qt::white);
    {
        QPainter painter(&reference);
        painter.setFont(font);
        painter.setPen(Qt::darkMagenta);
        painter.drawText(QPointF(7, 5 + QFontMetrics(font).ascent()), text);
    }

    PictureArea area(PictureArea::Border::None);
    area.setImageScale(1);
    area.setFont(font);
    area.resize(120, 40);
    area.setBackColor(Qt::white);
    area.draw({TextItem{7, 5, 0, 0x800080, text.toStdString()}});   // dark magenta
    QCOMPARE(area.image(), reference);
}

void tst_PictureArea::fillBoxIncludesBothCorners()
{
    PictureArea area(PictureArea::Border::None);
    area.resize(20, 20);
    area.setBackColor(Qt::white);
    area.draw({box(12, 9, 3, 4, colors::Blue)});   // corners in either order
    const QImage &image = area.image();
    QCOMPARE(inkBounds(image, Qt::white), QRect(QPoint(3, 4), QPoint(12, 9)));
    QCOMPARE(QColor(image.pixel(3, 4)), QColor(Qt::blue));
    QCOMPARE(QColor(image.pixel(12, 9)), QColor(Qt::blue));
    // A box reaching past the edge is clipped, not wrapped.
    area.draw({box(0, 15, 19, 25, colors::Red)});
    QCOMPARE(QColor(area.image().pixel(19, 19)), QColor(Qt::red));
}

void tst_PictureArea::drawingPersistsWithoutRedraw()
{
    PictureArea area(PictureArea::Border::None);
    area.setFocusPolicy(Qt::NoFocus);   // alone in its window it would take the focus and show it
    area.resize(80, 45);
    area.setBackColor(Qt::white);
    area.draw({box(0, 15, 79, 30, colors::Blue)});
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    const QImage shown = area.grab().toImage();
    area.hide();
    area.show();
    area.repaint();
    QCOMPARE(area.grab().toImage(), shown);
    QCOMPARE(QColor(shown.pixel(40, 20)), QColor(Qt::blue));
    QCOMPARE(QColor(shown.pixel(40, 5)), QColor(Qt::white));
}

void tst_PictureArea::frameIsOutsideTheDrawingArea()
{
    PictureArea area(PictureArea::Border::Sunken);
    area.resize(185, 169);
    QCOMPARE(area.drawingSize(), QSize(181, 165));
    area.draw({box(0, 0, 0, 0, colors::Red)});
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    const QImage shown = area.grab().toImage();
    QCOMPARE(QColor(shown.pixel(2, 2)), QColor(Qt::red));
    QVERIFY(QColor(shown.pixel(1, 1)) != QColor(Qt::red));
}

// At twice the density the image has twice the pixels each way, and a drawing
// covers the same logical place, scaled.
void tst_PictureArea::highDensityKeepsLogicalPositions()
{
    PictureArea normal(PictureArea::Border::None), dense(PictureArea::Border::None);
    normal.setImageScale(1);
    dense.setImageScale(2);
    for (PictureArea *area : {&normal, &dense}) {
        area->resize(60, 30);
        area->setFont(sansSerifFont(fontpx::Pt9_75, true));
        area->setBackColor(Qt::white);
        area->draw({box(5, 6, 9, 10, colors::Blue), text(20, 8, colors::Red, writtenNumber(31))});
    }
    QCOMPARE(dense.image().size(), normal.image().size() * 2);
    QCOMPARE(dense.image().devicePixelRatio(), 2.0);
    QCOMPARE(inkBounds(dense.image().copy(0, 0, 30, 30), Qt::white), QRect(10, 12, 10, 10));

    const QRect textNormal = inkBounds(normal.image().copy(15, 0, 45, 30), Qt::white);
    const QRect textDense = inkBounds(dense.image().copy(30, 0, 90, 60), Qt::white);
    QVERIFY(textNormal.isValid() && textDense.isValid());
    QVERIFY2(qAbs(textDense.left() / 2.0 - textNormal.left()) <= 1.0, "text starts at the same logical x");
    QVERIFY2(qAbs(textDense.top() / 2.0 - textNormal.top()) <= 1.0, "text starts at the same logical y");
    QVERIFY2(qAbs(textDense.width() / 2.0 - textNormal.width()) <= 1.5, "text has the same logical width");
}

// The picture is drawn once: a larger area or a move to a denser screen must keep it.
void tst_PictureArea::pictureSurvivesResizeAndDensityChange()
{
    PictureArea area(PictureArea::Border::None);
    area.setImageScale(1);
    area.resize(40, 30);
    area.setBackColor(Qt::white);
    area.draw({box(5, 6, 9, 10, colors::Blue)});

    area.resize(80, 50);
    QCOMPARE(area.image().size(), QSize(80, 50));
    QCOMPARE(inkBounds(area.image(), Qt::white), QRect(5, 6, 5, 5));
    QCOMPARE(QColor(area.image().pixel(79, 49)), QColor(Qt::white));   // the new part is background

    area.setImageScale(2);
    const QImage dense = area.image();
    QCOMPARE(dense.size(), QSize(160, 100));
    QCOMPARE(QColor(dense.pixel(14, 16)), QColor(Qt::blue));
    const QRect ink = inkBounds(dense, Qt::white);
    QVERIFY2(QRect(9, 11, 12, 12).contains(ink) && ink.contains(QRect(11, 13, 8, 8)),
             "the box stays at the same logical place, twice the pixels");
}

QTEST_MAIN(tst_PictureArea)
#include "tst_picturearea.moc"
