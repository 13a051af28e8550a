// Week numbers window: controls, the load, and the drawing of the chosen month.
#include "weeks/frmnomeranedel.h"

#include "behaviour/layout.h"
#include "behaviour/words.h"
#include "calendar/scene.h"
#include "calendar/yeartables.h"
#include "platform/fixedsize.h"
#include "ui/daygrid.h"
#include "ui/dialogaccessible.h"
#include "paint/fonts.h"
#include "ui/picturearea.h"
#include "ui/qtext.h"
#include "ui/windowplace.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace ortelana {

frmNomeraNedel::frmNomeraNedel(const YearModel &year, bool oldStyleChecked, int &chosenMonth, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      year(year), oldStyleChecked(oldStyleChecked), ChosenMonth(chosenMonth)
{
    reportModality(this);
    setObjectName(QStringLiteral("frmNomeraNedel"));
    setWindowTitle(toQString(words::WeeksTitle));
    setFont(sansSerifFont(fontpx::Pt12, true));   // before the controls, which inherit it
    setFixedSize(layout::weeks::Client.width, layout::weeks::Client.height);
    keepNormalState(*this);
    createControls();
    centreOnScreen(*this);
    Form_Load();
}

void frmNomeraNedel::createControls()
{
    using namespace layout::weeks;
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(toQRect(List));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setAccessibleName(toQString(words::MonthListName));
    for (const std::string_view name : MonthName)
        List1->addItem(toQString(name));
    connect(List1, &QListWidget::currentRowChanged, this, &frmNomeraNedel::List1_Click);
    connect(List1, &QListWidget::itemSelectionChanged, this, &frmNomeraNedel::keepSelection);

    Label1 = new QLabel(this);   // named by List1_Click before the window shows
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(toQRect(Month));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Picture1 = new PictureArea(PictureArea::Border::Sunken, this);
    days = new DayGrid(Picture1);   // the month's days and week numbers, with the day cursor
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(toQRect(Picture));
    Picture1->setAccessibleName(toQString(words::WeeksTitle));

    kOK = new QPushButton(QStringLiteral("OK"), this);
    kOK->setObjectName(QStringLiteral("kOK"));
    kOK->setGeometry(toQRect(OK));
    kOK->setDefault(true);   // Enter closes the window; Esc does too, as a dialog's cancel
    connect(kOK, &QPushButton::clicked, this, &QDialog::accept);

    setTabOrder(List1, Picture1);
    setTabOrder(Picture1, kOK);
    List1->setFocus();
}

// Draws the weekday labels once, then selects the remembered month, which draws it.
void frmNomeraNedel::Form_Load()
{
    Picture1->draw(weeksFixedLayer());
    List1->setCurrentRow(ChosenMonth);
}

// Runs on every change of the current month, by mouse, keys or the load.
void frmNomeraNedel::List1_Click(int month)
{
    if (month < 0 || month > 11)
        return;   // only while the list is being torn down
    ChosenMonth = month;
    Label1->setText(List1->item(month)->text());
    Picture1->setAccessibleDescription(toQString(words::weeksPictureName(month)));

    const Scene scene = weeksScene(year, oldStyleChecked, month);
    Picture1->draw(scene.dayLayer);
    days->showScene(scene);
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
