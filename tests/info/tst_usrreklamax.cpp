// The title banner: the page it shows, the title centred on the rendered pixels (alone
// and on the main window), the resize rule with and without a minimised window, and
// no scrolling of any kind.
#include "info/usrreklamax.h"
#include "paint/fonts.h"

#include "pixelprobe.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextTable>
#include <QWheelEvent>

using namespace ortelana;

namespace {

// Returns: the box around every dark pixel, the rendered title.
QRect inkBounds(const QImage &image)
{
    return probe::inkBoundsWhere(image, [](QRgb pixel) { return qGray(pixel) < 128; });
}

} // namespace

class tst_usrReklamaX : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsTheTitlePage();
    void titleIsCentred();
    void resizeCoversTheControl();
    void resizeWhileMinimisedLeavesTheViewer();
    void neverScrolls();
};

void tst_usrReklamaX::initTestCase()
{
    registerFontSubstitutes();
    QApplication::setStyle(QStringLiteral("Fusion"));
}

void tst_usrReklamaX::showsTheTitlePage()
{
    usrReklamaX banner;
    QTextBrowser *browser = banner.findChild<QTextBrowser *>(QStringLiteral("WebBrowser1"));
    QVERIFY(browser);
    QTextDocument *page = browser->document();
    QCOMPARE(page->toPlainText().trimmed(), QStringLiteral("Ортелана"));

    // One table of one cell, holding the title in Times New Roman at HTML size 6.
    QTextTable *table = nullptr;
    for (QTextFrame *frame : page->rootFrame()->childFrames())
        table = table ? table : qobject_cast<QTextTable *>(frame);
    QVERIFY(table);
    QCOMPARE(table->rows(), 1);
    QCOMPARE(table->columns(), 1);
    QTextCursor title = table->cellAt(0, 0).firstCursorPosition();
    title.movePosition(QTextCursor::NextCharacter);
    const QTextCharFormat format = title.charFormat();
    QCOMPARE(format.fontFamilies().toStringList().value(0), QStringLiteral("Times New Roman"));
    QCOMPARE(format.intProperty(QTextFormat::FontSizeAdjustment), 3);   // size 6 is 3 over normal
}

void tst_usrReklamaX::titleIsCentred()
{
    QWidget host;
    host.resize(633, 73);
    auto *banner = new usrReklamaX(&host);
    banner->setGeometry(0, 0, 633, 73);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    const QImage shown = banner->grab().toImage();
    QCOMPARE(shown.size(), QSize(633, 73));
    const QRect ink = inkBounds(shown);
    QVERIFY(!ink.isEmpty());
    // Large type: an HTML size 6 title in a serif face is well over 20 pixels high.
    QVERIFY2(ink.height() >= 20, qPrintable(QString::number(ink.height())));
    const double inkCentre = ink.left() + ink.width() / 2.0;
    QVERIFY2(qAbs(inkCentre - 633 / 2.0) <= 3,
             qPrintable(QStringLiteral("title spans x = %1 to %2").arg(ink.left()).arg(ink.right())));
    QVERIFY(ink.bottom() < 73);
}

void tst_usrReklamaX::resizeCoversTheControl()
{
    QWidget host;
    host.resize(700, 120);
    auto *banner = new usrReklamaX(&host);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QTextBrowser *browser = banner->findChild<QTextBrowser *>(QStringLiteral("WebBrowser1"));

    for (const QSize size : {QSize(633, 73), QSize(400, 50), QSize(690, 110)}) {
        banner->resize(size);
        QCOMPARE(browser->geometry(), QRect(QPoint(0, 0), size));
    }
}

void tst_usrReklamaX::resizeWhileMinimisedLeavesTheViewer()
{
    QWidget host;
    host.resize(700, 120);
    auto *banner = new usrReklamaX(&host);
    banner->setGeometry(0, 0, 633, 73);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QTextBrowser *browser = banner->findChild<QTextBrowser *>(QStringLiteral("WebBrowser1"));
    QCOMPARE(browser->geometry(), QRect(0, 0, 633, 73));

    host.setWindowState(Qt::WindowMinimized);
    QVERIFY(host.windowState() & Qt::WindowMinimized);
    banner->resize(300, 40);
    QCOMPARE(banner->size(), QSize(300, 40));
    QCOMPARE(browser->geometry(), QRect(0, 0, 633, 73));

    host.setWindowState(Qt::WindowNoState);
    banner->resize(500, 60);
    QCOMPARE(browser->geometry(), QRect(0, 0, 500, 60));
}

void tst_usrReklamaX::neverScrolls()
{
    QWidget host;
    host.resize(200, 100);
    auto *banner = new usrReklamaX(&host);
    banner->setGeometry(0, 0, 60, 20);   // far too small for the title
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QTextBrowser *browser = banner->findChild<QTextBrowser *>(QStringLiteral("WebBrowser1"));
    QVERIFY(browser->document()->size().height() > browser->viewport()->height());

    QVERIFY(!browser->verticalScrollBar()->isVisible());
    QVERIFY(!browser->horizontalScrollBar()->isVisible());

    QCOMPARE(browser->verticalScrollBar()->value(), 0);
    const QPoint inside(10, 10);
    QWheelEvent wheel(inside, browser->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(browser->viewport(), &wheel);
    QCOMPARE(browser->verticalScrollBar()->value(), 0);
}

QTEST_MAIN(tst_usrReklamaX)
#include "tst_usrreklamax.moc"
