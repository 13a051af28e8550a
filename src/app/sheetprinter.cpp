// Printing through QPrintDialog.
#include "app/sheetprinter.h"

#include "app/frmforma.h"
#include "sheet/sheetpage.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace ortelana {

bool printSheet(const frmForma &window, QPrinter &printer)
{
    if (window.computedYear() == 0)
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paintSheetPage(painter, QRectF(QPointF(0, 0), QSizeF(printer.width(), printer.height())),
                   SheetRequest{window.computedYear(), window.oldStyleChecked()});
    return painter.end();
}

bool printSheet(frmForma &window)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, &window);
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return printSheet(window, printer);
}

} // namespace ortelana
