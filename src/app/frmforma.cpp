// Main window layout, menu and year handling.
#include "app/frmforma.h"

#include "app/yearbox.h"
#include "behaviour/words.h"
#include "behaviour/mainwindow.h"
#include "info/frmoprog.h"
#include "info/opurl.h"
#include "info/usrreklamax.h"
#include "print/sheetprinter.h"
#include "platform/fixedsize.h"
#include "ui/daygrid.h"
#include "paint/fonts.h"
#include "ui/menufocusstyle.h"
#include "ui/picturearea.h"
#include "ui/qtext.h"
#include "weeks/frmnomeranedel.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QWheelEvent>

#include <utility>

namespace ortelana {

namespace {
// The 32-px icon, with the same picture in other sizes for task bars, switchers and
// dense screens, so no size is enlarged from another.
QIcon programIcon()
{
    QIcon icon(QStringLiteral(":/calendar-icon.png"));
    for (const int size : {16, 24, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/ortelana-%1.png").arg(size), QSize(size, size));
    return icon;
}
} // namespace

frmForma::frmForma(QWidget *parent)
    : QMainWindow(parent),
      picCalendar(new PictureArea(PictureArea::Border::Sunken))
{
    setObjectName(QStringLiteral("frmForma"));
    setWindowTitle(toQString(words::ProgramTitle));
    setWindowIcon(programIcon());
    setFont(sansSerifFont(fontpx::Pt9_75, true));
    // The days for screen readers and the keyboard's day cursor.
    sheetDays = new DayGrid(picCalendar);
    createControls();
    createMenus();
    // Fixed size, no maximise: the sheet is laid out to the pixel.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    keepNormalState(*this);

    // Printing answers Ctrl+P without a menu item: the menu keeps its five items.
    auto *print = new QAction(this);
    print->setObjectName(QStringLiteral("PrintSheet"));
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, [this] { printSheet(this, {computedYear(), oldStyleChecked()}); });
    addAction(print);

    // Page Down and Page Up step to the next and the previous year from anywhere in
    // the window; they type nothing, so the year box's filter never sees them.
    for (const auto &[key, step] : {std::pair{Qt::Key_PageDown, 1}, std::pair{Qt::Key_PageUp, -1}}) {
        auto *action = new QAction(this);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, step = step] { stepYear(step); });
        addAction(action);
    }
    picCalendar->installEventFilter(this);
}

void frmForma::stepYear(int by)
{
    if (const std::optional<long long> next = state.step(by)) {
        // Exactly as if the year had been typed and confirmed.
        DATA->setText(QString::number(*next));
        NewGod();
    }
}

bool frmForma::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picCalendar && event->type() == QEvent::Wheel) {
        if (const int years = state.wheel(static_cast<QWheelEvent *>(event)->angleDelta().y()))
            stepYear(years);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmForma::createControls()
{
    namespace place = layout::mainwindow;
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(place::Client.width, place::Client.height);
    setCentralWidget(client);

    usrReklamaX1 = new usrReklamaX(client);
    usrReklamaX1->setObjectName(QStringLiteral("usrReklamaX1"));
    usrReklamaX1->setGeometry(toQRect(place::Banner));

    picCalendar->setParent(client);
    picCalendar->setObjectName(QStringLiteral("picCalendar"));
    picCalendar->setGeometry(toQRect(place::Sheet));
    picCalendar->setAccessibleName(toQString(words::SheetName));

    Label1 = new QLabel(toQString(words::YearLabel), client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(sansSerifFont(fontpx::Pt12, true));
    Label1->setGeometry(toQRect(place::YearLabel));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    DATA = new YearBox(client);
    DATA->setObjectName(QStringLiteral("DATA"));
    DATA->setFont(sansSerifFont(fontpx::Pt13_5, false));
    DATA->setGeometry(toQRect(place::YearBox));
    DATA->setText(QStringLiteral("2005"));
    DATA->setAccessibleName(toQString(words::YearBoxName));
    Label1->setBuddy(DATA);
    connect(DATA, &YearBox::enterPressed, this, &frmForma::confirmYear);

    YEAR = new QLabel(client);
    YEAR->setObjectName(QStringLiteral("YEAR"));
    YEAR->setFont(sansSerifFont(fontpx::Pt12, true));
    YEAR->setGeometry(toQRect(place::Caption));
    YEAR->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    StilChck = new QCheckBox(toQString(words::OldStyle), client);
    StilChck->setObjectName(QStringLiteral("StilChck"));
    StilChck->setGeometry(toQRect(place::OldStyle));
    StilChck->setChecked(state.oldStyle);
    StilChck->setAccessibleName(StilChck->text());
    StilChck->setAccessibleDescription(toQString(words::OldStyleDescription));
    // A click redraws the year computed last; nothing is read from the year box.
    connect(StilChck, &QCheckBox::clicked, this, [this](bool checked) {
        state.oldStyle = checked;
        DrawDays();
    });

    // Labels take no focus; the pictures and the banner take it by Tab only, so a
    // screen reader can reach the sheet without a click moving focus off the year box.
    setTabOrder(DATA, StilChck);
    setTabOrder(StilChck, picCalendar);
    setTabOrder(picCalendar, usrReklamaX1);
    DATA->setFocus();
}

void frmForma::createMenus()
{
    // The menu bar keeps the system menu font, like the menu it opens: the window's
    // bold sheet font is meant for the controls, not for the menu.
    QFont menuFont = QApplication::font("QMenuBar");
    menuFont.setResolveMask(QFont::AllPropertiesResolved);
    menuBar()->setFont(menuFont);
    showMenuBarFocus(menuBar());

    Menu = menuBar()->addMenu(QStringLiteral("Меню"));
    Menu->setObjectName(QStringLiteral("Menu"));

    MenuNomeraNedel = Menu->addAction(QStringLiteral("Номера недель"), this, &frmForma::MenuNomeraNedel_Click);
    MenuNomeraNedel->setObjectName(QStringLiteral("MenuNomeraNedel"));
    MenuNomeraNedel->setShortcut(Qt::Key_F4);

    MenuHelp = Menu->addAction(QStringLiteral("Справка"), this, &frmForma::MenuHelp_Click);
    MenuHelp->setObjectName(QStringLiteral("MenuHelp"));
    MenuHelp->setShortcut(Qt::Key_F1);

    MenuAbout = Menu->addAction(QStringLiteral("О программе"), this, &frmForma::MenuAbout_Click);
    MenuAbout->setObjectName(QStringLiteral("MenuAbout"));

    MenuSep = Menu->addSeparator();
    MenuSep->setObjectName(QStringLiteral("MenuSep"));

    MenuExit = Menu->addAction(QStringLiteral("Выход"), this, &QWidget::close);
    MenuExit->setObjectName(QStringLiteral("MenuExit"));

    // F10 opens the menu, as on the desktops this runs on.
    auto *openMenu = new QAction(this);
    openMenu->setObjectName(QStringLiteral("OpenMenu"));
    openMenu->setShortcut(Qt::Key_F10);
    connect(openMenu, &QAction::triggered, this, [this] { menuBar()->setActiveAction(Menu->menuAction()); });
    addAction(openMenu);
}

void frmForma::setOldStyleChecked(bool checked)
{
    StilChck->setChecked(checked);
    state.oldStyle = checked;
}

void frmForma::DrawSheet()
{
    picCalendar->draw(sheetFixedLayer());
}

void frmForma::DrawDays()
{
    if (computedYear() == 0)
        return;   // no year computed yet: nothing to draw
    const Scene scene = state.sheet();
    picCalendar->draw(scene.dayLayer);
    sheetDays->showScene(scene);
    picCalendar->setAccessibleDescription(toQString(state.description()));
    // The year with its caption, spoken where the focus is when a new year comes: in
    // the year box after Enter, on the cursor's day after Page Up or Down.
    const QString news = toQString(state.news());
    sheetDays->setNews(news);
    DATA->setAccessibleDescription(news);
    if (DATA->hasFocus()) {
        // Said as a new focus (a screen reader speaks a focus only on an object new to
        // it): the box, its year and the news.  A change of description alone is not
        // spoken by every screen reader and Qt.
        if (QAccessibleInterface *box = QAccessible::queryAccessibleInterface(DATA))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(box));
        QAccessibleEvent focus(DATA, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void frmForma::confirmYear()
{
    if (!isYearZero(DATA->text().toStdString()))
        return NewGod();   // which passes an empty box over
    QMessageBox box(QMessageBox::Critical, toQString(words::ErrorTitle), toQString(words::ZeroYear), QMessageBox::Ok, this);
    box.exec();
}

void frmForma::NewGod()
{
    // Nothing outside the calendar's range is computed.
    if (!state.show(DATA->text().toStdString()))
        return;
    setCursor(Qt::WaitCursor);
    StilChck->setVisible(yearModel().offersOldStyle);
    YEAR->setText(toQString(yearModel().caption));
    DrawDays();
    unsetCursor();
}

void frmForma::MenuNomeraNedel_Click()
{
    // Modal, so the year it shows stays as drawn; discarded when closed.
    frmNomeraNedel window(state.model(), state.oldStyle, state.chosenMonth, this);
    window.exec();
}

void frmForma::MenuHelp_Click()
{
    OpenInShell(QStringLiteral("Справка.html"));
}

void frmForma::MenuAbout_Click()
{
    // Built afresh for each opening; the main window takes no input while it is open.
    frmOprog about(this);
    about.exec();
}

} // namespace ortelana
