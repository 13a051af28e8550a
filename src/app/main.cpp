// Entry point of Ortelana.
#include "app/frmforma.h"
#include "app/startup.h"
#include "ui/fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ortelana::registerFontSubstitutes();

    ortelana::SharedTables tables;
    const auto window = ortelana::Main(tables);
    return app.exec();
}
