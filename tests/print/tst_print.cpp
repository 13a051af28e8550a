// Printing the year sheet: Ctrl+P opens the print dialog, the page is the year shown,
// the job carries a title and the dialog offers a file named after the year, and
// printing to a file follows the rules of every file the program writes.  The title
// is read where a print queue shows it, on the session's private cupsd, when one
// started.
#include "app/frmforma.h"
#include "print/sheetprinter.h"
#include "app/yearbox.h"
#include "fileprobe.h"
#include "windowdriver.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

using namespace ortelana;
using namespace fileprobe;

class tst_Print : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { driver::stopProgram(window); }
    void ctrlPOpensThePrintDialog();
    void printingToAFileFollowsTheWriterRules_data();
    void printingToAFileFollowsTheWriterRules();
    void printFailureIsShown();
    void jobIsTitledAndOffersAFile();

private:
    // The private cupsd's folder, with a default queue (ortelana-session --cups).
    const QString cupsDir = qEnvironmentVariable("ORTELANA_CUPS_DIR");
    std::unique_ptr<frmForma> window;
};

void tst_Print::initTestCase()
{
    driver::prepareApplication();
    if (cupsDir.isEmpty()) {
        qInfo("no private cupsd: the job title is read from the printer the dialog accepted");
        // No queue at all then, so no test ever prints on a real printer of this machine.
        qputenv("CUPS_SERVER", "/nonexistent/ortelana-no-cups.sock");
    }
}

void tst_Print::init()
{
    driver::startProgram(window);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void tst_Print::ctrlPOpensThePrintDialog()
{
    QString seenTitle;
    QTimer::singleShot(50, [&seenTitle] {
        if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
            seenTitle = dialog->objectName();
            dialog->reject();
        }
    });
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(seenTitle, QStringLiteral("printDialog"));
    QVERIFY(window->isVisible());
}

void tst_Print::printingToAFileFollowsTheWriterRules_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("reason");   // empty: printed
    QTest::newRow("new file") << "new" << "";
    QTest::newRow("writable file replaced") << "old" << "";
    QTest::newRow("symbolic link") << "link" << "символическая ссылка";
    QTest::newRow("hard link") << "hard link" << "жёсткие ссылки";
    QTest::newRow("read-only file") << "read-only" << "только для чтения";
    QTest::newRow("folder") << "folder" << "папка";
    QTest::newRow("missing folder") << "missing" << "Нет такого файла или каталога";
}

void tst_Print::printingToAFileFollowsTheWriterRules()
{
    QFETCH(QString, what);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString victim = dir.filePath(QStringLiteral("victim"));
    QString target = dir.filePath(QStringLiteral("printed.pdf"));
    {
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    if (what == QLatin1String("old"))
        QVERIFY(QFile::copy(victim, target));
    else if (what == QLatin1String("link"))
        QVERIFY(QFile::link(victim, target));
    else if (what == QLatin1String("hard link"))
        QCOMPARE(::link(QFile::encodeName(victim).constData(), QFile::encodeName(target).constData()), 0);
    else if (what == QLatin1String("read-only")) {
        QVERIFY(QFile::copy(victim, target));
        QCOMPARE(::chmod(QFile::encodeName(target).constData(), 0444), 0);
    } else if (what == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(target));
    else if (what == QLatin1String("missing"))
        target = dir.filePath(QStringLiteral("missing/printed.pdf"));
    const Snapshot before = snapshot(target);
    const QList<QByteArray> entriesBefore = rawEntries(dir.path());

    driver::confirmYear(*window, QStringLiteral("1917"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target);
    printer.setPageOrientation(QPageLayout::Landscape);
    QString error;
    const bool printed = printSheet(SheetRequest{window->computedYear(), window->oldStyleChecked()}, printer, &error);

    QCOMPARE(readAll(victim), QByteArray("keep me"));
    if (reason.isEmpty()) {
        QVERIFY2(printed, qPrintable(error));
        QVERIFY(!QFileInfo(target).isSymLink());
        const QString text = runTool(QStringLiteral("pdftotext"), {target, QStringLiteral("-")});
        QVERIFY2(text.contains(QStringLiteral("1917")) && text.contains(QStringLiteral("ГОД ЗМЕИ")), qPrintable(text));
        return;
    }
    QVERIFY(!printed);
    QVERIFY2(error.contains(reason), qPrintable(error));
    QVERIFY(snapshot(target) == before);
    QCOMPARE(rawEntries(dir.path()), entriesBefore);
}

// Ctrl+P, a file chosen in the dialog that may not be replaced: a message box says so.
void tst_Print::printFailureIsShown()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("printed.pdf"));
    QVERIFY(QDir().mkdir(target));   // a folder where the file should go

    QString message;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QPrintDialog *>(modal)) {
            // The file name field of Qt's own dialog, as a user would fill it in.
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
            if (!name) {
                dialog->reject();
                return;
            }
            // «Print to file» is the last entry, after any queue.
            if (auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers")))
                printers->setCurrentIndex(printers->count() - 1);
            name->setText(target);
            dialog->accept();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            message = box->objectName() + QLatin1Char(':') + box->text();
            box->accept();
        }
    });
    closer.start(20);
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY2(message.startsWith(QStringLiteral("printError:")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("папка")), qPrintable(message));
    QVERIFY(QFileInfo(target).isDir());
}

// Ctrl+P: the dialog offers «Ортелана-1917.pdf» in the documents folder, never a bare
// folder; accepted as offered, the job is titled «Ортелана 1917» (on the queue, when
// there is one, else on the file the dialog chose).
void tst_Print::jobIsTitledAndOffersAFile()
{
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
    });
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    driver::confirmYear(*window, QStringLiteral("1917"));

    QString offered, title, printerChosen;
    QTimer accepter;
    connect(&accepter, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        accepter.stop();
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("filename")))
            offered = name->text();
        if (auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers")))
            printerChosen = printers->currentText();
        title = dialog->printer()->docName();
        dialog->accept();
    });
    accepter.start(20);
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);

    const QString expected = home.filePath(QStringLiteral("Documents/Ортелана-1917.pdf"));
    QCOMPARE(offered, expected);
    QCOMPARE(title, QStringLiteral("Ортелана 1917"));
    if (cupsDir.isEmpty()) {
        const QString text = runTool(QStringLiteral("pdftotext"), {expected, QStringLiteral("-")});
        QVERIFY2(text.contains(QStringLiteral("ГОД ЗМЕИ")), qPrintable(text));
        return;
    }
    QCOMPARE(printerChosen, QStringLiteral("ortelana-test"));   // the default queue, not a file
    QVERIFY(!QFileInfo::exists(expected));
    // The queue hands the title to every filter as its third argument.
    QElapsedTimer waited;
    waited.start();
    QByteArray log;
    while (!log.contains("argv[3]=\"Ортелана 1917\"") && waited.elapsed() < 15000) {
        QTest::qWait(100);
        log = readAll(cupsDir + QStringLiteral("/log/error_log"));
    }
    QVERIFY2(log.contains("argv[3]=\"Ортелана 1917\""), "the queue shows no job titled «Ортелана 1917»");
    // CUPS 2.4.20 (sid) stops the job instead of writing the queue's file: the job has
    // its title by then, and the file is the print server's own doing.
    const QByteArray refused = "could not open the output file";
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(cupsDir + QStringLiteral("/out/job.pdf")).size() > 1000
                                 || readAll(cupsDir + QStringLiteral("/log/error_log")).contains(refused),
                             15000);
    if (!QFileInfo::exists(cupsDir + QStringLiteral("/out/job.pdf")))
        QSKIP("this print server will not write the queue's file (\"the scheduler could not open the output file\")");
}

QTEST_MAIN(tst_Print)
#include "tst_print.moc"
