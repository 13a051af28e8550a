// A screen of twice the usual density: the year sheet and the week numbers picture
// keep images of twice the pixels, drawn at that density rather than enlarged from
// a 1x image, with everything at the same logical positions as on a 1x screen.
#include "app/frmforma.h"
#include "sheet/sheetpage.h"
#include "app/startup.h"
#include "app/yearbox.h"
#include "paint/fonts.h"
#include "ui/picturearea.h"

#include "weeks/pictureprobe.h"
#include "windowdriver.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTest>

#include <functional>
#include <vector>

using namespace ortelana;

namespace {

// Which logical pixels of a picture carry ink of one kind.  A logical pixel of a 2x
// image is inked when any of its four device pixels is.
using Mask = std::vector<std::vector<bool>>;

Mask inkMask(const QImage &image, const QColor &background, const std::function<bool(QColor)> &kind)
{
    const int scale = qRound(image.devicePixelRatio());
    const QSize logical = image.size() / scale;
    Mask mask(std::size_t(logical.height()), std::vector<bool>(std::size_t(logical.width())));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int distance = qAbs(c.red() - background.red()) + qAbs(c.green() - background.green())
                + qAbs(c.blue() - background.blue());
            if (distance > 200 && kind(c))
                mask[std::size_t(y / scale)][std::size_t(x / scale)] = true;
        }
    return mask;
}

// Counts the inked pixels of `a` with no inked pixel of `b` within one logical pixel.
int strays(const Mask &a, const Mask &b)
{
    int count = 0;
    const int h = int(a.size()), w = h ? int(a[0].size()) : 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!a[std::size_t(y)][std::size_t(x)])
                continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    const int yy = y + dy, xx = x + dx;
                    near = yy >= 0 && yy < h && xx >= 0 && xx < w && b[std::size_t(yy)][std::size_t(xx)];
                }
            count += near ? 0 : 1;
        }
    return count;
}

int inked(const Mask &mask)
{
    int count = 0;
    for (const auto &row : mask)
        for (const bool ink : row)
            count += ink ? 1 : 0;
    return count;
}

bool isRed(QColor c) { return c.red() > 160 && c.green() < 90 && c.blue() < 90; }
bool isAnyInk(QColor) { return true; }

} // namespace

class tst_HiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sheetImageHasTwiceThePixels();
    void sheetIsDrawnAtTheScreenDensity_data();
    void sheetIsDrawnAtTheScreenDensity();
    void sheetLandsOnTheSameLogicalPositions_data();
    void sheetLandsOnTheSameLogicalPositions();
    void weekPictureIsDrawnAtTheScreenDensity_data();
    void weekPictureIsDrawnAtTheScreenDensity();

private:
    void confirm(const QString &year) { driver::confirmYear(*window, year); }

    std::unique_ptr<frmForma> window;
};

void tst_HiDpi::initTestCase()
{
    driver::prepareApplication();
    // Set before the application starts (see main below); without it nothing here tests
    // a dense screen.
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
}

void tst_HiDpi::init()
{
    driver::startProgram(window);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->devicePixelRatioF(), 2.0);
}

void tst_HiDpi::cleanup()
{
    driver::stopProgram(window);
}

void tst_HiDpi::sheetImageHasTwiceThePixels()
{
    PictureArea *picture = window->calendarPicture();
    const QImage &image = picture->image();
    QCOMPARE(picture->drawingSize(), QSize(629, 389));
    QCOMPARE(image.size(), picture->drawingSize() * 2);
    QCOMPARE(image.devicePixelRatio(), 2.0);
}

void tst_HiDpi::sheetIsDrawnAtTheScreenDensity_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("oldStyle");
    QTest::newRow("2005") << "2005" << true;
    QTest::newRow("1917 unchecked") << "1917" << false;
    QTest::newRow("9999999") << "9999999" << true;
}

// The window's picture equals the same year drawn straight into a 2x image off
// screen; an image drawn at 1x and enlarged would differ in every glyph edge.
void tst_HiDpi::sheetIsDrawnAtTheScreenDensity()
{
    QFETCH(QString, year);
    QFETCH(bool, oldStyle);

    window->setOldStyleChecked(oldStyle);
    confirm(year);
    const QImage shown = window->calendarPicture()->image();
    const QImage direct = sheetImage({year.toLongLong(), oldStyle}, 2);
    QVERIFY(shown == direct);

    const QImage enlarged = sheetImage({year.toLongLong(), oldStyle}, 1)
                                .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(shown.format());
    QVERIFY(shown.convertToFormat(QImage::Format_RGB32) != enlarged.convertToFormat(QImage::Format_RGB32));
}

void tst_HiDpi::sheetLandsOnTheSameLogicalPositions_data()
{
    QTest::addColumn<QString>("year");
    QTest::newRow("2005") << "2005";
    QTest::newRow("1945") << "1945";
    QTest::newRow("9999999") << "9999999";
}

// Every inked logical pixel at 2x has ink of the same kind within one logical pixel at
// 1x, and the other way round: glyphs differ in detail between densities, places not.
void tst_HiDpi::sheetLandsOnTheSameLogicalPositions()
{
    QFETCH(QString, year);
    confirm(year);
    const QImage dense = window->calendarPicture()->image();
    const QImage normal = sheetImage({year.toLongLong(), true}, 1);
    const QColor background = window->calendarPicture()->BackColor();
    QCOMPARE(dense.size(), normal.size() * 2);

    for (const auto &kind : {std::function<bool(QColor)>(isRed), std::function<bool(QColor)>(isAnyInk)}) {
        const Mask a = inkMask(dense, background, kind);
        const Mask b = inkMask(normal, background, kind);
        QVERIFY(inked(a) > 1000);
        QVERIFY(inked(b) > 1000);
        QCOMPARE(strays(a, b), 0);
        QCOMPARE(strays(b, a), 0);
    }
}

void tst_HiDpi::weekPictureIsDrawnAtTheScreenDensity_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("month");       // 1 = January
    QTest::addColumn<int>("sameAs");      // a year <chrono> reaches, with the same calendar
    QTest::newRow("January 2005") << "2005" << 1 << 2005;
    QTest::newRow("May 1945") << "1945" << 5 << 1945;
    // The calendar repeats every 400 years, and both years are after 1944.
    QTest::newRow("December 9999999") << "9999999" << 12 << 2399;
}

// The week picture at 2x equals, to the pixel, each text drawn alone at its logical
// place into a 2x image.
void tst_HiDpi::weekPictureIsDrawnAtTheScreenDensity()
{
    QFETCH(QString, year);
    QFETCH(int, month);
    QFETCH(int, sameAs);
    confirm(year);

    QImage image;
    QImage expected;
    QSize logical;
    const bool seen = driver::whileWeeksOpen(
        this, [this] { QTest::keyClick(window.get(), Qt::Key_F4); },
        [&](const driver::WeeksControls &c) {
            c.list->setCurrentRow(month - 1);
            image = c.picture->image().copy();
            logical = c.picture->drawingSize();
            weekstest::Reference ref(*c.picture, 2);
            expected = weekstest::expectedPicture(ref, sameAs, month, 0);
        });

    QVERIFY(seen);
    QCOMPARE(image.devicePixelRatio(), 2.0);
    QCOMPARE(image.size(), logical * 2);
    QVERIFY(image == expected);
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_HiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
