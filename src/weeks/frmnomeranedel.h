// The week numbers window: one month of the year the main window drew last, laid
// out by weekday like a month cell of the year sheet, with the running week number
// of the year under each week column.  It reads the year as drawn and only ever
// writes ChosenMonth, the month it shows when it opens next.
#pragma once

#include "calendar/yearmodel.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace ortelana {

class DayGrid;
class PictureArea;

class frmNomeraNedel : public QDialog
{
    Q_OBJECT

public:
    // Builds the window and draws the weekday labels and the chosen month of `year`
    // as the sheet draws it with the old-style box in the given state, so it is
    // complete before it is first shown.  `chosenMonth` (0 = January) must outlive
    // the window, which writes every choice into it.
    frmNomeraNedel(const YearModel &year, bool oldStyleChecked, int &chosenMonth, QWidget *parent = nullptr);

private:
    void createControls();
    void Form_Load();
    void List1_Click(int month);
    void keepSelection();

    const YearModel year;
    const bool oldStyleChecked;
    int &ChosenMonth;

    QListWidget *List1 = nullptr;
    QLabel *Label1 = nullptr;
    PictureArea *Picture1 = nullptr;
    DayGrid *days = nullptr;
    QPushButton *kOK = nullptr;
};

} // namespace ortelana
