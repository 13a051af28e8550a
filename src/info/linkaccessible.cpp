// The link interface of a clickable label.
#include "info/linkaccessible.h"

#include "ui/accessiblefactory.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>

namespace ortelana {

namespace {

constexpr char AddressProperty[] = "linkAddress";

class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<QLabel *>(widget());
        if (t == QAccessible::Name)
            return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
        if (t == QAccessible::Description)
            return label->property(AddressProperty).toString();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    // A left click in the middle of the label, through the same events as the mouse's.
    void doAction(const QString &action) override
    {
        if (action != pressAction())
            return;
        QWidget *label = widget();
        const QPointF middle = QRectF(label->rect()).center();
        const QPointF global = label->mapToGlobal(middle);
        QMouseEvent press(QEvent::MouseButtonPress, middle, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(label, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, middle, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(label, &release);
    }
};

QAccessibleInterface *makeLinkInterface(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    return label && label->property(AddressProperty).isValid() ? new LinkAccessible(label) : nullptr;
}

} // namespace

void presentAsLink(QLabel *label, const QString &address)
{
    label->setProperty(AddressProperty, address);
    useAccessibleFactory(label, makeLinkInterface);
}

} // namespace ortelana
