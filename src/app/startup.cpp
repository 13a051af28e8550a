// Start-up sequence of the program.
#include "app/startup.h"

#include "app/frmforma.h"
#include "app/yearbox.h"
#include "calendar/yearmath.h"
#include "ui/windowplace.h"

#include <QCoreApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

namespace ortelana {

long long startYear(const QDate &today)
{
    // A clock set past the last year, or broken, still opens at a year the box can hold.
    const long long year = today.isValid() ? today.year() : kFirstYear;
    return std::clamp<long long>(year, kFirstYear, kLastYear);
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
    if (start) {
        box->setText(QString::number(start->year));
        box->setCursorPosition(int(box->text().size()));
        window->setOldStyleChecked(start->oldStyle);
    } else {
        box->setText(QString::number(currentYear()));
        box->setCursorPosition(int(box->text().size()));
    }
    box->deselect();

    window->DrawSheet();
    window->NewGod();
    return window;
}

} // namespace ortelana
