// Printing through QPrintDialog.
#include "print/sheetprinter.h"

#include "behaviour/words.h"
#include "output/safewriter.h"
#include "output/sheetpdf.h"
#include "paint/fontcheck.h"
#include "sheet/sheetpage.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace ortelana {

namespace {

bool paintOnto(QPaintDevice &device, const SheetRequest &request)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paintSheetPage(painter, QRectF(QPointF(0, 0), QSizeF(device.width(), device.height())), request);
    return painter.end();
}

// A printer's PDF file is written by Qt straight to the disk, where a full disk goes
// unnoticed and a symbolic link is followed.  The same page is made in memory, with
// the page layout and resolution chosen in the dialog, and written safely instead.
bool printToFile(const SheetRequest &request, const QPrinter &printer, QString *error)
{
    const QString file = printer.outputFileName();
    const QByteArray page = sheetPdf(request, printer.pageLayout(), printer.resolution());
    if (page.isEmpty()) {
        if (error)
            *error = QStringLiteral("Не удалось подготовить страницу для «%1».").arg(file);
        return false;
    }
    const SafeWriteResult written = writeFileSafely(QFile::encodeName(file), page);
    if (!written.written() && error)
        *error = QString::fromStdString(words::writeFailure(file.toStdString(), written.reason.toStdString()));
    return written.written();
}

// The file the dialog offers for printing to a file: named after the year, in the
// documents folder, or in the home folder when there is none.  Qt itself offers a
// name only on X11, and on other platforms the bare home folder.
QString offeredFile(long long year)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("Ортелана-%1.pdf").arg(year));
}

} // namespace

bool printSheet(const SheetRequest &request, QPrinter &printer, QString *error)
{
    if (request.year == 0)
        return false;
    if (!sheetFontsAvailable()) {
        if (error)
            *error = QStringLiteral("Не найдено ни одного шрифта для листа: лист не напечатан.");
        return false;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return printToFile(request, printer, error);
    const bool printed = paintOnto(printer, request);
    if (!printed && error)
        *error = QString::fromUtf8(words::PrintFailed);
    return printed;
}

bool printSheet(QWidget *parent, const SheetRequest &request)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    // The title a print queue shows for the job.
    printer.setDocName(QString::fromStdString(words::printJobTitle(request.year)));
    // A file name makes the printer a PDF file; back to the system's printer, which
    // keeps the name for the dialog to offer when printing to a file is chosen.
    printer.setOutputFileName(offeredFile(request.year));
    printer.setOutputFormat(QPrinter::NativeFormat);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QString error;
    if (printSheet(request, printer, &error))
        return true;
    if (!error.isEmpty()) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Ошибка"), error, QMessageBox::Ok, parent);
        box.setObjectName(QStringLiteral("printError"));
        box.exec();
    }
    return false;
}

} // namespace ortelana
