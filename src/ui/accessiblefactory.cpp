// Own accessible interfaces for single objects.
#include "ui/accessiblefactory.h"

namespace ortelana {

void useAccessibleFactory(QObject *object, QAccessible::InterfaceFactory factory)
{
    QAccessible::installFactory(factory);   // Qt keeps each factory once
    // Whatever was made before (Qt's own kind, or ours) is made afresh on the next query.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace ortelana
