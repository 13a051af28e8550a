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

int DayGrid::indexOfKey(int key) const
{
    for (std::size_t i = 0; i < content.size(); ++i)
        if (content[i].key == key)
            return int(i);
    return -1;
}

int DayGrid::indexAt(int row, int column) const
{
    for (std::size_t i = 0; i < content.size(); ++i)
        if (content[i].row == row && content[i].column == column)
            return int(i);
    return -1;
}

QString DayGrid::name(int index) const
{
    GridCell &cell = content[std::size_t(index)];
    if (cell.name.isEmpty())
        cell.name = toQString(spokenName(year, drawn[std::size_t(index)]));
    return cell.name;
}

void DayGrid::showScene(const Scene &scene)
{
    drawn = scene.cells;
    year = scene.year;
    const auto toList = [](const std::vector<std::string> &texts) {
        QStringList list;
        for (const std::string &text : texts)
            list << toQString(text);
        return list;
    };
    rowHeaders = toList(scene.rowHeaders);
    columnHeaders = toList(scene.columnHeaders);

    // The scene's coordinates start inside the picture's border.
    const QPoint origin = picture()->contentsRect().topLeft();
    content.clear();
    content.reserve(scene.cells.size());
    for (const SceneCell &cell : scene.cells)
        content.push_back({cell.key, cell.row, cell.column, QString(),
                           QRect(cell.x, cell.y, cell.width, cell.height).translated(origin)});
    emit contentChanged();
    QAccessibleTableModelChangeEvent event(picture(), QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

QString DayGrid::description(int index) const
{
    return index >= 0 && index == indexOfKey(current) ? news : QString();
}

void DayGrid::setNews(const QString &text)
{
    news = text;
    if (indexOfKey(current) >= 0 && picture()->hasFocus()) {
        // Said as a new focus: the day, then the news as its description.  A change of
        // description alone is not spoken by every screen reader and Qt.
        emit newsArriving(current);
        announceFocus();
    }
}

void DayGrid::setCurrentKey(int key)
{
    if (key != current)
        news.clear();
    current = key;
    announceFocus();
}

void DayGrid::announceFocus() const
{
    const int index = indexOfKey(current);
    if (!QAccessible::isActive() || index < 0 || !picture()->hasFocus())
        return;   // nobody listens, or no cell has the focus
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(picture());
    if (QAccessibleInterface *cell = table ? table->child(index) : nullptr) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace ortelana
