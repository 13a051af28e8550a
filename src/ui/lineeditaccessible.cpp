// Text interface of a one-line text box.
#include "ui/lineeditaccessible.h"

#include "ui/accessiblefactory.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

namespace ortelana {

namespace {

constexpr char LineEditMarker[] = "ortelanaLineEditAccessible";

class LineEditAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = *start + int(box()->selectedText().size());
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
    int characterCount() const override { return int(box()->text().size()); }
    // The box never scrolls (seven digits fit), so advances from the text's left edge.
    QRect characterRect(int offset) const override
    {
        const QString text = box()->text();
        if (offset < 0 || offset >= text.size())
            return {};
        const QFontMetrics metrics(box()->font());
        const QRect inside = box()->contentsRect().marginsRemoved(box()->textMargins());
        const int left = inside.left() + 2 + metrics.horizontalAdvance(text.left(offset));
        const QRect local(left, inside.top(), metrics.horizontalAdvance(text.at(offset)), inside.height());
        return QRect(box()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int end) override { box()->setCursorPosition(end); }
    // One run over the whole text: the box has no attributes of its own.
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }
};

QAccessibleInterface *makeLineEditInterface(const QString &, QObject *object)
{
    auto *box = qobject_cast<QLineEdit *>(object);
    return box && box->property(LineEditMarker).toBool() ? new LineEditAccessible(box) : nullptr;
}

} // namespace

void useLineEditAccessibility(QLineEdit *box)
{
    box->setProperty(LineEditMarker, true);
    useAccessibleFactory(box, makeLineEditInterface);
}

} // namespace ortelana
