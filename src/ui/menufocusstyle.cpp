// The menu bar's focus drawn like an open item.
#include "ui/menufocusstyle.h"

#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleOption>

namespace ortelana {

namespace {

class MenuFocusStyle : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_MenuBarItem && widget && widget->hasFocus() && (option->state & State_Selected)) {
            if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
                QStyleOptionMenuItem focused = *item;
                focused.state |= State_Sunken;
                QProxyStyle::drawControl(element, &focused, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

void showMenuBarFocus(QMenuBar *bar)
{
    auto *style = new MenuFocusStyle;   // over the application's style, whatever it is
    style->setParent(bar);
    bar->setStyle(style);
}

} // namespace ortelana
