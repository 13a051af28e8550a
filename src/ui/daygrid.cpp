// The day cells a picture offers to assistive technologies, and their announcements.
#include "ui/daygrid.h"

#include "ui/daygridaccessible.h"
#include "ui/qtext.h"

#include <QAccessible>
#include <QWidget>

namespace ortelana {

DayGrid::DayGrid(QWidget *picture)
    : QObject(picture)
{
    setObjectName(QStringLiteral("DayGrid"));
    useDayGridAccessibility(picture);
}

DayGrid *DayGrid::of(const QObject *object)
{
    return object ? object->findChild<DayGrid *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QWidget *DayGrid::picture() const
{
    return static_cast<QWidget *>(parent());
}

QRect DayGrid::rect(int index) const
{
    // The scene's coordinates start inside the picture's border.
    const SceneCell &cell = model.cells()[std::size_t(index)];
    return QRect(cell.x, cell.y, cell.width, cell.height).translated(picture()->contentsRect().topLeft());
}

int DayGrid::indexAt(int row, int column) const
{
    for (std::size_t i = 0; i < model.cells().size(); ++i)
        if (model.cells()[i].row == row && model.cells()[i].column == column)
            return int(i);
    return -1;
}

int DayGrid::currentKey() const
{
    return model.cursor() < 0 ? -1 : model.cells()[std::size_t(model.cursor())].key;
}

void DayGrid::showScene(const Scene &scene)
{
    const auto toList = [](const std::vector<std::string> &texts) {
        QStringList list;
        for (const std::string &text : texts)
            list << toQString(text);
        return list;
    };
    rowHeaders = toList(scene.rowHeaders);
    columnHeaders = toList(scene.columnHeaders);
    model.show(scene);
    picture()->update();   // the cursor's frame, where it follows to
    announceFocus();       // the cursor's day first, as it follows into the new drawing
    emit contentChanged();
    QAccessibleTableModelChangeEvent event(picture(), QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

void DayGrid::setNews(const QString &text)
{
    model.setNews(text.toStdString());
    if (model.cursor() >= 0 && picture()->hasFocus()) {
        // Said as a new focus: the day, then the news as its description.  A change of
        // description alone is not spoken by every screen reader and Qt.
        emit newsArriving(currentKey());
        announceFocus();
    }
}

bool DayGrid::move(CursorKey key, bool control)
{
    if (!model.move(key, control))
        return false;
    announceFocus();
    return true;
}

void DayGrid::announceFocus() const
{
    if (!QAccessible::isActive() || model.cursor() < 0 || !picture()->hasFocus())
        return;   // nobody listens, or no cell has the focus
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(picture());
    if (QAccessibleInterface *cell = table ? table->child(model.cursor()) : nullptr) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace ortelana
