// The banner's label interface with a plain text.
#include "info/banneraccessible.h"

#include "ui/accessiblefactory.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace ortelana {

namespace {

constexpr char Marker[] = "presentedAsBanner";

class BannerAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit BannerAccessible(QWidget *banner)
        : QAccessibleWidget(banner, QAccessible::StaticText)
    {
    }

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text: the name, read only, without a caret or selections.
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? title() : QAccessibleWidget::text(t);
    }
    QString text(int start, int end) const override { return title().mid(start, end - start); }
    int characterCount() const override { return int(title().size()); }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    QString title() const { return widget()->accessibleName(); }
};

QAccessibleInterface *makeBannerInterface(const QString &, QObject *object)
{
    return object && object->isWidgetType() && object->property(Marker).toBool()
               ? new BannerAccessible(static_cast<QWidget *>(object))
               : nullptr;
}

} // namespace

void presentAsBanner(QWidget *banner)
{
    banner->setProperty(Marker, true);
    useAccessibleFactory(banner, makeBannerInterface);
}

} // namespace ortelana
