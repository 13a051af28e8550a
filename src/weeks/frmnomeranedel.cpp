// Week numbers window: controls, the load, and the drawing of the chosen month.
#include "weeks/frmnomeranedel.h"

#include "calendar/monthlayout.h"
#include "calendar/yeartables.h"
#include "calendar/yearmodel.h"
#include "ui/fixedsize.h"
#include "ui/fonts.h"
#include "ui/picturearea.h"
#include "ui/qtext.h"
#include "ui/vbcolor.h"
#include "ui/windowplace.h"
#include "calendar/weeknumbers.h"
#include "sheet/daycursor.h"
#include "sheet/daygrid.h"
#include "ui/dialogaccessible.h"
#include "weeks/weekcells.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace ortelana {

namespace {
using weeksgrid::ColumnWidth;
using weeksgrid::RowHeight;
using weeksgrid::WeekNumberY;
// The cleared day area reaches past the picture's edges; the labels left of it stay.
constexpr int ClearLeft = 26;
constexpr int ClearRight = 185;
constexpr int ClearBottom = 217;
} // namespace

frmNomeraNedel::frmNomeraNedel(SharedTables &tables, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      tables(tables)
{
    reportModality(this);
    setObjectName(QStringLiteral("frmNomeraNedel"));
    setWindowTitle(QStringLiteral("Номера недель"));
    setFont(sansSerifFont(fontpx::Pt12, true));   // before the controls, which inherit it
    setFixedSize(ClientSize);
    keepNormalState(*this);
    createControls();
    centreOnScreen(*this);
    Form_Load();
}

void frmNomeraNedel::createControls()
{
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(8, 8, 105, 244);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setAccessibleName(QStringLiteral("Месяц"));
    for (const std::string_view name : MonthName)
        List1->addItem(toQString(name));
    connect(List1, &QListWidget::currentRowChanged, this, &frmNomeraNedel::List1_Click);
    connect(List1, &QListWidget::itemSelectionChanged, this, &frmNomeraNedel::keepSelection);

    Label1 = new QLabel(this);   // named by List1_Click before the window shows
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(136, 8, 183, 20);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Picture1 = new PictureArea(PictureArea::Border::Sunken, this);
    days = new DayGrid(Picture1);   // the month's days and week numbers for screen readers
    new DayCursor(Picture1, *days);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(128, 32, 185, 169);
    Picture1->setAccessibleName(QStringLiteral("Номера недель"));

    kOK = new QPushButton(QStringLiteral("OK"), this);
    kOK->setObjectName(QStringLiteral("kOK"));
    kOK->setGeometry(240, 216, 81, 33);
    kOK->setDefault(true);   // Enter closes the window; Esc does too, as a dialog's cancel
    connect(kOK, &QPushButton::clicked, this, &QDialog::accept);

    setTabOrder(List1, Picture1);
    setTabOrder(Picture1, kOK);
    List1->setFocus();
}

// Draws the weekday labels once, then selects the remembered month, which draws it.
void frmNomeraNedel::Form_Load()
{
    const QString abbreviations = toQString(WeekdayAbbreviations);
    Picture1->ForeColor = vbColor(colors::DarkBlue);
    for (int i = 0; i < 7; ++i) {
        if (i == 6)
            Picture1->ForeColor = vbColor(colors::Red);
        Picture1->CurrentX = 0;
        Picture1->CurrentY = RowHeight * i;
        Picture1->Print(abbreviations.mid(2 * i, 2));
    }
    List1->setCurrentRow(tables.ChosenMonth);
}

// Runs on every change of the current month, by mouse, keys or the load.
void frmNomeraNedel::List1_Click(int month)
{
    if (month < 0 || month > 11)
        return;   // only while the list is being torn down
    tables.ChosenMonth = month;
    Label1->setText(List1->item(month)->text());
    Picture1->setAccessibleDescription(
        QStringLiteral("Дни и номера недель: %1").arg(List1->item(month)->text()));

    const int n = month + 1;
    Picture1->FillBox(ClearLeft, 0, ClearRight, ClearBottom, Picture1->BackColor());

    const QColor dayColor = vbColor(colors::DayNumber);
    const QColor red = vbColor(colors::Red);
    const MonthLayout layout = layOutMonth(tables.MonthStart[std::size_t(month)],
                                           tables.MonthDays[std::size_t(n)],
                                           isRedNinth(tables.VictoryDay, n));
    for (int i = 0; i < layout.days; ++i) {
        const DaySlot &slot = layout.places[std::size_t(i)];
        Picture1->CurrentX = ColumnWidth * slot.column;
        Picture1->CurrentY = RowHeight * (slot.row - 1);
        Picture1->ForeColor = slot.red ? red : dayColor;
        Picture1->Print(slot.day);
    }

    Picture1->ForeColor = vbColor(colors::WeekNumber);
    const int firstWeek = firstWeekNumber(tables, month);
    for (int c = 1; c <= layout.columns; ++c) {
        Picture1->CurrentX = ColumnWidth * c;
        Picture1->CurrentY = WeekNumberY;
        Picture1->Print(firstWeek + c - 1);
    }
    describeWeeks(*days, tables, month);
}

// A single-choice list always shows its choice: Ctrl+click on the chosen month would
// otherwise leave nothing highlighted while the month stays drawn.
void frmNomeraNedel::keepSelection()
{
    const int current = List1->currentRow();
    if (current >= 0 && List1->selectedItems().isEmpty())
        List1->setCurrentRow(current, QItemSelectionModel::Select);
}

} // namespace ortelana
