// The week numbers window: one month of the year the main window drew last, laid
// out by weekday like a month cell of the year sheet, with the running week number
// of the year under each week column.  It reads the month tables and only ever
// writes ChosenMonth, the month it shows when it opens next.
#pragma once

#include "calendar/sharedtables.h"

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
    static constexpr QSize ClientSize{328, 260};

    // Builds the window and draws the weekday labels and the chosen month, so it is
    // complete before it is first shown.  The tables must outlive the window.
    explicit frmNomeraNedel(SharedTables &tables, QWidget *parent = nullptr);

private:
    void createControls();
    void Form_Load();
    void List1_Click(int month);
    void keepSelection();

    SharedTables &tables;

    QListWidget *List1 = nullptr;
    QLabel *Label1 = nullptr;
    PictureArea *Picture1 = nullptr;
    DayGrid *days = nullptr;
    QPushButton *kOK = nullptr;
};

} // namespace ortelana
