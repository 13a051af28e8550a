// The main window: the title banner, the year sheet, the year box with its caption
// and old-style box, and the one menu.  Its state and rules are MainWindowState's;
// it computes a confirmed year (NewGod) and has the sheet draw it.
#pragma once

#include "behaviour/mainwindow.h"

#include <QMainWindow>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;

namespace ortelana {

class DayGrid;
class PictureArea;
class YearBox;
class usrReklamaX;

class frmForma : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmForma(QWidget *parent = nullptr);

    // Computes the year in the year box and draws its days.
    void NewGod();
    // Draws the fixed layer of the sheet; once, before the first NewGod.
    void DrawSheet();

    // The year last computed (0 before the first), and all that was computed of it.
    long long computedYear() const { return state.model().year; }
    const YearModel &yearModel() const { return state.model(); }
    // The month the week numbers window shows when it opens next (0 = January).
    int chosenMonth() const { return state.chosenMonth; }

    YearBox *yearBox() const { return DATA; }
    PictureArea *calendarPicture() const { return picCalendar; }
    // Sets the old-style box as a user would leave it, without redrawing.
    void setOldStyleChecked(bool checked);
    bool oldStyleChecked() const { return state.oldStyle; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void DrawDays();
    void confirmYear();
    // Shows the year `by` years from the one drawn, as if typed and confirmed.
    void stepYear(int by);

    void MenuNomeraNedel_Click();
    void MenuHelp_Click();
    void MenuAbout_Click();

    usrReklamaX *usrReklamaX1 = nullptr;
    PictureArea *picCalendar = nullptr;
    DayGrid *sheetDays = nullptr;   // the drawn days, for assistive technologies
    QLabel *Label1 = nullptr;
    YearBox *DATA = nullptr;
    QLabel *YEAR = nullptr;
    QCheckBox *StilChck = nullptr;

    QMenu *Menu = nullptr;
    QAction *MenuNomeraNedel = nullptr;
    QAction *MenuHelp = nullptr;
    QAction *MenuAbout = nullptr;
    QAction *MenuSep = nullptr;
    QAction *MenuExit = nullptr;

    MainWindowState state;
};

} // namespace ortelana
