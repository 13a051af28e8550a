// Title banner.
#include "info/usrreklamax.h"

#include "ui/vbcolor.h"

namespace ortelana {

usrReklamaX::usrReklamaX(QWidget *parent)
    : QWidget(parent)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, vbColor(colors::LightGrey));
    setPalette(pal);
    setAutoFillBackground(true);
}

} // namespace ortelana
