// Focus frame drawing.
#include "ui/focusframe.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace ortelana {

void drawFocusFrame(QPainter &painter, const QWidget &widget)
{
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.backgroundColor = widget.palette().color(QPalette::Window);
    // These widgets take the focus from the keyboard alone; styles that show focus
    // only after a keyboard move would otherwise hide it after a programmatic one.
    option.state |= QStyle::State_KeyboardFocusChange;
    painter.save();
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
    painter.restore();
}

} // namespace ortelana
