// The link interface of the link control.
#include "info/linkaccessible.h"

#include "info/linklabel.h"
#include "ui/accessiblefactory.h"

#include <QAccessibleWidget>

namespace ortelana {

namespace {

class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(LinkLabel *link) : QAccessibleWidget(link, QAccessible::Link) {}

    LinkLabel *link() const { return static_cast<LinkLabel *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return link()->accessibleName().isEmpty() ? link()->text() : link()->accessibleName();
        if (t == QAccessible::Description)
            return link()->address();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            link()->click();
    }
};

QAccessibleInterface *makeLinkInterface(const QString &, QObject *object)
{
    auto *link = qobject_cast<LinkLabel *>(object);
    return link ? new LinkAccessible(link) : nullptr;
}

} // namespace

void presentAsLink(LinkLabel *link)
{
    useAccessibleFactory(link, makeLinkInterface);
}

} // namespace ortelana
