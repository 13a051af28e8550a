// Table, cell and header interfaces over a DayGrid.
#include "ui/daygridaccessible.h"

#include "ui/accessiblefactory.h"
#include "ui/daygrid.h"
#include "ui/qtext.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

namespace ortelana {

namespace {

class GridTable;

// The parts of a cell or header that never change: no object, no children.
class GridPart : public QAccessibleInterface
{
public:
    explicit GridPart(GridTable *table) : owner(table) {}

    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}

protected:
    DayGrid *grid() const;
    GridTable *owner;
};

// A weekday name (a row) or a month name (a column).
class GridHeader : public GridPart
{
public:
    GridHeader(GridTable *table, Qt::Orientation orientation, int index)
        : GridPart(table), orientation(orientation), index(index)
    {
    }

    bool isValid() const override { return grid() && !headerText().isEmpty(); }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? headerText() : QString(); }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override
    {
        return orientation == Qt::Horizontal ? QAccessible::ColumnHeader : QAccessible::RowHeader;
    }
    QAccessible::State state() const override { return {}; }

private:
    QString headerText() const
    {
        const DayGrid *g = grid();
        return !g ? QString() : orientation == Qt::Horizontal ? g->columnHeader(index) : g->rowHeader(index);
    }

    Qt::Orientation orientation;
    int index;
};

// One drawn day, followed by its key: a new drawing renames it, and it goes invalid
// when the new year has no such day (29 February).
class GridCellAccessible : public GridPart, public QAccessibleTableCellInterface
{
public:
    GridCellAccessible(GridTable *table, int key) : GridPart(table), key(key) {}

    const int key;

    bool isValid() const override { return index() >= 0; }
    QString text(QAccessible::Text t) const override
    {
        if (index() < 0)
            return QString();
        if (t == QAccessible::Name)
            return toQString(grid()->days().name(index()));
        return t == QAccessible::Description ? toQString(grid()->days().description(index())) : QString();
    }
    QRect rect() const override
    {
        if (index() < 0)
            return {};
        const QRect slot = grid()->rect(index());
        return QRect(grid()->picture()->mapToGlobal(slot.topLeft()), slot.size());
    }
    // A list item, as Qt's list views present theirs: a screen reader then speaks the
    // day the cursor lands on, where a table cell would have it read the whole
    // weekday row first whenever the row changes, that is on every Up and Down.
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        const DayGrid *g = grid();
        if (!g)
            return state;
        state.focusable = true;
        state.selectable = true;
        state.selected = isSelected();
        state.focused = state.selected && g->picture()->hasFocus();
        state.invisible = !g->picture()->isVisible();
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this) : nullptr;
    }

    bool isSelected() const override { return grid() && grid()->currentKey() == key; }
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override;
    int columnIndex() const override { return index() < 0 ? -1 : cell().column; }
    int rowIndex() const override { return index() < 0 ? -1 : cell().row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override;

private:
    int index() const { return grid() ? grid()->days().indexOfKey(key) : -1; }
    const SceneCell &cell() const { return grid()->days().cells()[std::size_t(index())]; }
};

// The picture itself: a list of its days in date order that also answers as a table
// of weekday rows and week columns.  Its cells and headers are made on first demand and kept (Qt's
// registry owns them) until the picture goes; they read the grid whenever asked.
class GridTable : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit GridTable(QWidget *picture)
        : QAccessibleWidget(picture, QAccessible::List)
    {
        // A client that read a cell before the redrawing hears its new name; the
        // cursor's cell announces the new drawing through its description instead,
        // which a screen reader speaks at once (a second message would cut it off).
        DayGrid *g = grid();
        renaming = QObject::connect(g, &DayGrid::contentChanged, g, [this] {
            const int focused = grid()->picture()->hasFocus() ? grid()->currentKey() : -1;
            for (auto id = cellIds.cbegin(); id != cellIds.cend(); ++id) {
                QAccessibleInterface *cell = QAccessible::accessibleInterface(id.value());
                if (cell && cell->isValid() && id.key() != focused) {
                    QAccessibleEvent event(cell, QAccessible::NameChanged);
                    QAccessible::updateAccessibility(&event);
                }
            }
        });
        refocusing = QObject::connect(g, &DayGrid::newsArriving, g, [this](int key) {
            if (cellIds.contains(key))
                QAccessible::deleteAccessibleInterface(cellIds.take(key));
        });
    }

    ~GridTable() override
    {
        QObject::disconnect(renaming);
        QObject::disconnect(refocusing);
        for (const QAccessible::Id id : std::as_const(cellIds))
            QAccessible::deleteAccessibleInterface(id);
        for (const QAccessible::Id id : std::as_const(headerIds))
            QAccessible::deleteAccessibleInterface(id);
    }

    DayGrid *grid() const { return DayGrid::of(object()); }

    bool isValid() const override { return QAccessibleWidget::isValid() && grid(); }
    int childCount() const override { return grid() ? int(grid()->days().cells().size()) : 0; }
    QAccessibleInterface *child(int index) const override
    {
        const DayGrid *g = grid();
        if (!g || index < 0 || index >= childCount())
            return nullptr;
        return cellFor(g->days().cells()[std::size_t(index)].key);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *cell = dynamic_cast<const GridCellAccessible *>(child);
        return cell && grid() ? grid()->days().indexOfKey(cell->key) : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const DayGrid *g = grid();
        if (!g)
            return nullptr;
        const QPoint at = g->picture()->mapFromGlobal(QPoint(x, y)) - g->picture()->contentsRect().topLeft();
        return child(g->days().indexAt(at.x(), at.y()));
    }
    QAccessibleInterface *focusChild() const override
    {
        const DayGrid *g = grid();
        return g && g->picture()->hasFocus() ? child(g->days().cursor()) : nullptr;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        return grid() ? child(grid()->indexAt(row, column)) : nullptr;
    }
    // The cursor's day is the one selected cell.
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        const DayGrid *g = grid();
        QAccessibleInterface *cell = g ? child(g->days().cursor()) : nullptr;
        return cell ? QList<QAccessibleInterface *>{cell} : QList<QAccessibleInterface *>{};
    }
    QString columnDescription(int column) const override { return grid() ? grid()->columnHeader(column) : QString(); }
    QString rowDescription(int row) const override { return grid() ? grid()->rowHeader(row) : QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return grid() ? grid()->columns() : 0; }
    int rowCount() const override { return grid() ? grid()->rows() : 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // Cells follow their keys through every redrawing; nothing to rebuild.
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

    QAccessibleInterface *header(Qt::Orientation orientation, int index)
    {
        const int key = orientation == Qt::Horizontal ? index : -1 - index;
        if (!headerIds.contains(key))
            headerIds.insert(key, QAccessible::registerAccessibleInterface(new GridHeader(this, orientation, index)));
        return QAccessible::accessibleInterface(headerIds.value(key));
    }

private:
    QAccessibleInterface *cellFor(int key) const
    {
        if (!cellIds.contains(key))
            cellIds.insert(key, QAccessible::registerAccessibleInterface(
                                    new GridCellAccessible(const_cast<GridTable *>(this), key)));
        return QAccessible::accessibleInterface(cellIds.value(key));
    }

    QMetaObject::Connection renaming;
    QMetaObject::Connection refocusing;
    mutable QHash<int, QAccessible::Id> cellIds;
    QHash<int, QAccessible::Id> headerIds;
};

QWindow *GridPart::window() const { return owner->window(); }
QAccessibleInterface *GridPart::parent() const { return owner; }
DayGrid *GridPart::grid() const { return owner->grid(); }

QList<QAccessibleInterface *> GridCellAccessible::columnHeaderCells() const
{
    return index() < 0 ? QList<QAccessibleInterface *>{}
                       : QList<QAccessibleInterface *>{owner->header(Qt::Horizontal, cell().column)};
}

QList<QAccessibleInterface *> GridCellAccessible::rowHeaderCells() const
{
    return index() < 0 ? QList<QAccessibleInterface *>{}
                       : QList<QAccessibleInterface *>{owner->header(Qt::Vertical, cell().row)};
}

QAccessibleInterface *GridCellAccessible::table() const { return owner; }

QAccessibleInterface *makeDayGridInterface(const QString &, QObject *object)
{
    return object && object->isWidgetType() && DayGrid::of(object)
               ? new GridTable(static_cast<QWidget *>(object))
               : nullptr;
}

} // namespace

void useDayGridAccessibility(QWidget *picture)
{
    useAccessibleFactory(picture, makeDayGridInterface);
}

} // namespace ortelana
