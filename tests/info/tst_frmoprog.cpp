// The About window: the stripes drawn at load, the separator, the emblem, texts that
// fit their boxes, OK with the focus, the link's pointer and what a click on the link
// writes and opens.
#include "behaviour/words.h"
#include "info/frmoprog.h"
#include "paint/fonts.h"
#include "ui/picturearea.h"

#include "desktopstandin.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace ortelana;

class tst_frmOprog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void stripes_data();
    void stripes();
    void separatorIsTwoTone();
    void emblemStandsOnTheWindowGrey();
    void textsFitTheirBoxes();
    void keysOnOkClose_data();
    void keysOnOkClose();
    void reopeningGivesTheSamePicture();
    void okIsFlatGreyInEveryState_data();
    void okIsFlatGreyInEveryState();
    void tabOrder();
    void linkPointerIsAHandWithHotSpotAtTopLeft();
    void linkWritesAndOpensThePage_data();
    void linkWritesAndOpensThePage();
    void releaseOffTheLinkOpensNothing();

private:
    // Works in `folder` and records what the desktop is asked to open, until the guard
    // it returns goes.
    auto standInForTheDesktop(const QString &folder)
    {
        const QString start = QDir::currentPath();
        QDir::setCurrent(folder);
        opened.clear();
        return qScopeGuard([start] { QDir::setCurrent(start); });
    }

    DesktopStandIn desktop;
    QList<QUrl> &opened = desktop.opened;
};

void tst_frmOprog::initTestCase()
{
    registerFontSubstitutes();
    QApplication::setStyle(QStringLiteral("Fusion"));
}

void tst_frmOprog::stripes_data()
{
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<QColor>("color");
    QTest::newRow("white 0 to 14") << 0 << 14 << QColor(255, 255, 255);
    QTest::newRow("blue 15 to 30") << 15 << 30 << QColor(0, 0, 255);
    QTest::newRow("red 31 to 44") << 31 << 44 << QColor(255, 0, 0);
}

void tst_frmOprog::stripes()
{
    QFETCH(int, firstRow);
    QFETCH(int, lastRow);
    QFETCH(QColor, color);

    frmOprog dialog;
    auto *picture = dialog.findChild<PictureArea *>(QStringLiteral("Picture1"));
    QVERIFY(picture);
    QCOMPARE(picture->geometry(), QRect(8, 160, 80, 45));
    const QImage drawn = picture->image();
    QCOMPARE(drawn.size(), QSize(80, 45));

    // Drawn at load, and on screen as soon as the window is shown.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage onScreen = picture->grab().toImage();
    QCOMPARE(onScreen.size(), QSize(80, 45));

    for (int y = firstRow; y <= lastRow; ++y)
        for (int x = 0; x < 80; ++x) {
            QCOMPARE(QColor(drawn.pixel(x, y)), color);
            QCOMPARE(QColor(onScreen.pixel(x, y)), color);
        }
}

void tst_frmOprog::separatorIsTwoTone()
{
    frmOprog dialog;
    const QImage window = dialog.grab().toImage();
    const QPalette system = QGuiApplication::palette();
    for (const int x : {8, 176, 344}) {
        QCOMPARE(QColor(window.pixel(x, 152)), system.color(QPalette::WindowText));
        QCOMPARE(QColor(window.pixel(x, 153)), system.color(QPalette::Base));
    }
    // The line ends at x = 344, both ends included.
    QCOMPARE(QColor(window.pixel(345, 152)), QColor(0xE0, 0xE0, 0xE0));
}

void tst_frmOprog::emblemStandsOnTheWindowGrey()
{
    frmOprog dialog;
    auto *image = dialog.findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(image);
    const QImage emblem = image->pixmap().toImage();
    QCOMPARE(emblem.size(), QSize(71, 126));
    QVERIFY(!emblem.hasAlphaChannel());
    const QColor grey(0xE0, 0xE0, 0xE0);
    QCOMPARE(QColor(emblem.pixel(0, 0)), grey);
    QCOMPARE(QColor(emblem.pixel(70, 125)), grey);
    QVERIFY(QColor(emblem.pixel(35, 63)) != grey);   // something is drawn on it
}

void tst_frmOprog::textsFitTheirBoxes()
{
    frmOprog dialog;
    const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
    int texts = 0;
    for (const QLabel *label : labels) {
        if (label->text().isEmpty())
            continue;
        ++texts;
        const QFontMetrics metrics(label->font());
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
        QVERIFY2(metrics.height() <= label->height(), qPrintable(label->text()));
    }
    QCOMPARE(texts, 7);   // Label2 (0, 3 to 7) and the link
    QCOMPARE(dialog.label2(3)->text(), QStringLiteral("Автор: ") + QString::fromUtf8(words::Author));
    QCOMPARE(dialog.label2(4)->text(), QStringLiteral("E-mail: ") + QString::fromUtf8(words::Email));
    QVERIFY(QRegularExpression(QStringLiteral("^Версия: v\\d+(\\.\\d+)+$")).match(dialog.label2(6)->text()).hasMatch());
    // The link begins where "Сайт:" ends.
    auto *link = dialog.findChild<QLabel *>(QStringLiteral("Label1"));
    QCOMPARE(link->x(), dialog.label2(5)->geometry().right() + 1);
}

void tst_frmOprog::keysOnOkClose_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(QDialog::Accepted);
    QTest::newRow("space") << int(Qt::Key_Space) << int(QDialog::Accepted);
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(QDialog::Rejected);
}

void tst_frmOprog::keysOnOkClose()
{
    QFETCH(int, key);
    QFETCH(int, result);

    frmOprog dialog;
    dialog.setResult(-1);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QWidget *focus = QApplication::focusWidget();
    QCOMPARE(focus, dialog.findChild<QPushButton *>(QStringLiteral("OK")));

    QTest::keyClick(focus, Qt::Key(key));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), result);
}

void tst_frmOprog::reopeningGivesTheSamePicture()
{
    QImage first;
    {
        frmOprog dialog;
        first = dialog.grab().toImage();
    }
    frmOprog again;
    QCOMPARE(again.grab().toImage(), first);
}

void tst_frmOprog::okIsFlatGreyInEveryState_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("darkestFace");
    QTest::newRow("without focus") << "plain" << 0xE0;
    QTest::newRow("default, focused") << "focused" << 0xE0;
    QTest::newRow("hovered") << "hovered" << 0xC8;
    QTest::newRow("pressed") << "pressed" << 0xC8;
}

void tst_frmOprog::okIsFlatGreyInEveryState()
{
    QFETCH(QString, state);
    QFETCH(int, darkestFace);
    frmOprog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("OK"));
    if (state == QLatin1String("plain"))
        dialog.findChild<PictureArea *>(QStringLiteral("Picture1"))->setFocus();
    else if (state == QLatin1String("hovered"))
        ok->setAttribute(Qt::WA_UnderMouse);
    else if (state == QLatin1String("pressed"))
        ok->setDown(true);
    QCOMPARE(ok->hasFocus(), state != QLatin1String("plain"));

    const QImage face = ok->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // No platform gradient or coloured outline: every pixel is a shade of grey.
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
            const QRgb px = face.pixel(x, y);
            QVERIFY2(qAbs(qRed(px) - qGreen(px)) <= 2 && qAbs(qGreen(px) - qBlue(px)) <= 2,
                     qPrintable(QStringLiteral("(%1, %2) is #%3").arg(x).arg(y).arg(px & 0xFFFFFF, 6, 16)));
        }
    // The face left and right of the caption is one flat colour, E0E0E0 or a little darker.
    const int y = face.height() / 2;
    const QRgb left = face.pixel(4, y);
    QCOMPARE(face.pixel(face.width() - 5, y), left);
    QCOMPARE(face.pixel(4, 4), left);
    QVERIFY2(qRed(left) <= 0xE0 && qRed(left) >= darkestFace, qPrintable(QString::number(left & 0xFFFFFF, 16)));
}

void tst_frmOprog::tabOrder()
{
    frmOprog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    for (const char *name : {"Label1", "Picture1", "OK"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(name));
    }
}

void tst_frmOprog::linkPointerIsAHandWithHotSpotAtTopLeft()
{
    frmOprog dialog;
    auto *link = dialog.findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(link);
    const QCursor cursor = link->cursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(0, 0));

    const QImage hand = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(hand.size(), QSize(32, 32));
    // White with a black outline, nothing else.
    int white = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb px = hand.pixel(x, y);
            if (qAlpha(px) == 0)
                continue;
            QVERIFY(px == qRgb(0, 0, 0) || px == qRgb(255, 255, 255));
            white += px == qRgb(255, 255, 255);
        }
    QVERIFY(white > 100);
    // The fingertip's outline touches the hot spot's corner.
    QVERIFY(qAlpha(hand.pixel(1, 0)) == 255 && qAlpha(hand.pixel(0, 1)) == 255);
}

// A click, a key on the focused link, a screen reader's press: the same page.
void tst_frmOprog::linkWritesAndOpensThePage_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("click") << "click";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("Space") << "Space";
    QTest::newRow("screen reader's press") << "press";
}

void tst_frmOprog::linkWritesAndOpensThePage()
{
    QFETCH(QString, how);
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    const auto restore = standInForTheDesktop(elsewhere.path());

    frmOprog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *link = dialog.findChild<QLabel *>(QStringLiteral("Label1"));

    const QString page = elsewhere.filePath(QStringLiteral("0.html"));
    for (int click = 1; click <= 2; ++click) {
        if (how == QLatin1String("click")) {
            QTest::mouseClick(link, Qt::LeftButton);
        } else if (how == QLatin1String("press")) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(link);
            QVERIFY(face && face->actionInterface());
            QCOMPARE(face->role(), QAccessible::Link);
            QCOMPARE(face->text(QAccessible::Name), QString::fromUtf8(words::Slogan));
            face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        } else {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);   // from OK to the link
            QCOMPARE(QApplication::focusWidget(), link);
            QTest::keyClick(link, how == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Space);
            QCOMPARE(dialog.result(), 0);   // the window stays open
            link->clearFocus();
            dialog.findChild<QWidget *>(QStringLiteral("OK"))->setFocus();
        }
        QCOMPARE(opened.size(), click);
        QCOMPARE(opened.back(), QUrl::fromLocalFile(page));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);   // the hourglass is gone
    }
    QFile written(page);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("url=" + QByteArray(words::Site) + "'>"));
    QVERIFY(!QFile::exists(elsewhere.filePath(QStringLiteral("1.html"))));
}

// Like a button: a press on the link that is released elsewhere changes the user's
// mind, and opens nothing.
void tst_frmOprog::releaseOffTheLinkOpensNothing()
{
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    const auto restore = standInForTheDesktop(elsewhere.path());

    frmOprog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *link = dialog.findChild<QLabel *>(QStringLiteral("Label1"));
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(10, link->height() + 30));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(10, 10));   // a release with no press before it
    QTest::mouseClick(link, Qt::RightButton);
    QVERIFY(opened.isEmpty());
    QVERIFY(!QFile::exists(elsewhere.filePath(QStringLiteral("0.html"))));
}

QTEST_MAIN(tst_frmOprog)
#include "tst_frmoprog.moc"
