// Start-up sequence of the program.
#include "app/startup.h"

#include "app/frmforma.h"
#include "app/yearbox.h"
#include "behaviour/mainwindow.h"
#include "ui/windowplace.h"

#include <QCoreApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QTranslator>

namespace ortelana {

long long startYear(const QDate &today)
{
    return ortelana::startYear(today.isValid() ? today.year() : 0);
}

long long currentYear()
{
    return startYear(QDate::currentDate());
}

bool installRussianQtTexts()
{
    // Owned by the application, so it lives as long as the texts it translates.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

std::unique_ptr<frmForma> Main(const std::optional<SheetRequest> &start)
{
    auto window = std::make_unique<frmForma>();
    centreOnScreen(*window);
    window->show();
    // Let the window appear and paint before the sheet is drawn.
    QCoreApplication::processEvents();

    YearBox *box = window->yearBox();
    box->setText(QString::number(start ? start->year : currentYear()));
    box->setCursorPosition(int(box->text().size()));
    box->deselect();
    if (start)
        window->setOldStyleChecked(start->oldStyle);

    window->DrawSheet();
    window->NewGod();
    return window;
}

} // namespace ortelana
