// The dialog interface with the modal state.
#include "ui/dialogaccessible.h"

#include "ui/accessiblefactory.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QVariant>

namespace ortelana {

namespace {

constexpr char Marker[] = "reportsModality";

class ModalDialogAccessible : public QAccessibleWidget
{
public:
    explicit ModalDialogAccessible(QWidget *dialog)
        : QAccessibleWidget(dialog, QAccessible::Dialog)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.modal = widget()->isModal();
        return state;
    }
};

QAccessibleInterface *makeDialogInterface(const QString &, QObject *object)
{
    auto *dialog = qobject_cast<QDialog *>(object);
    return dialog && dialog->property(Marker).toBool() ? new ModalDialogAccessible(dialog) : nullptr;
}

} // namespace

void reportModality(QDialog *dialog)
{
    dialog->setProperty(Marker, true);
    useAccessibleFactory(dialog, makeDialogInterface);
}

} // namespace ortelana
