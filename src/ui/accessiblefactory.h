// Giving one object an accessible interface of the program's own.  Qt makes and keeps
// an object's interface the first time anybody asks (a name set in a constructor is
// enough), so the factory alone may come too late: this also drops what Qt made.
#pragma once

#include <QAccessible>

class QObject;

namespace ortelana {

// Adds `factory` to Qt's factories (once) and drops any interface already made for
// `object`, so that the next query asks the factories again.
void useAccessibleFactory(QObject *object, QAccessible::InterfaceFactory factory);

} // namespace ortelana
