// Main window layout, menu and year handling.
#include "app/frmforma.h"

#include "app/yearbox.h"
#include "calendar/scene.h"
#include "calendar/sheetgeometry.h"
#include "info/frmoprog.h"
#include "info/opurl.h"
#include "info/usrreklamax.h"
#include "print/sheetprinter.h"
#include "platform/fixedsize.h"
#include "ui/daycursor.h"
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
// What a screen reader says of the sheet: the year and, while the old-style box is
// offered and checked, that too, since the box moves every day of the year.
QString sheetDescription(long long year, bool oldStyle)
{
    QString text = QStringLiteral("Календарь на %1 год").arg(year);
    if (oldStyle)
        text += QStringLiteral(" по старому стилю");
    return text;
}

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
    setWindowTitle(QStringLiteral("Ортелана"));
    setWindowIcon(programIcon());
    setFont(sansSerifFont(fontpx::Pt9_75, true));
    // The days for screen readers and the keyboard's day cursor.
    sheetDays = new DayGrid(picCalendar);
    new DayCursor(picCalendar, *sheetDays);
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
    connect(print, &QAction::triggered, this, [this] { printSheet(this, {model.year, oldStyleChecked()}); });
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

void frmForma::stepYear(int step)
{
    const long long next = model.year + step;
    if (model.year == 0 || next < kFirstYear || next > kLastYear)
        return;   // the ends of the calendar hold
    // Exactly as if the year had been typed and confirmed.
    DATA->setText(QString::number(next));
    NewGod();
}

bool frmForma::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picCalendar && event->type() == QEvent::Wheel) {
        // One year per notch, towards the user is the next year; a fine-grained wheel
        // or touchpad adds up to whole notches.
        wheelTravel += static_cast<QWheelEvent *>(event)->angleDelta().y();
        while (wheelTravel <= -QWheelEvent::DefaultDeltasPerStep) {
            wheelTravel += QWheelEvent::DefaultDeltasPerStep;
            stepYear(1);
        }
        while (wheelTravel >= QWheelEvent::DefaultDeltasPerStep) {
            wheelTravel -= QWheelEvent::DefaultDeltasPerStep;
            stepYear(-1);
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmForma::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ClientSize);
    setCentralWidget(client);

    usrReklamaX1 = new usrReklamaX(client);
    usrReklamaX1->setObjectName(QStringLiteral("usrReklamaX1"));
    usrReklamaX1->setGeometry(0, 0, sheet::OuterWidth, 73);

    picCalendar->setParent(client);
    picCalendar->setObjectName(QStringLiteral("picCalendar"));
    picCalendar->setGeometry(0, 77, sheet::OuterWidth, sheet::OuterHeight);
    picCalendar->setAccessibleName(QStringLiteral("Календарь"));

    Label1 = new QLabel(QStringLiteral("Год:"), client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(sansSerifFont(fontpx::Pt12, true));
    Label1->setGeometry(8, 480, 38, 20);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    DATA = new YearBox(client);
    DATA->setObjectName(QStringLiteral("DATA"));
    DATA->setFont(sansSerifFont(fontpx::Pt13_5, false));
    DATA->setGeometry(48, 474, 89, 31);
    DATA->setText(QStringLiteral("2005"));
    DATA->setAccessibleName(QStringLiteral("Год"));
    Label1->setBuddy(DATA);
    connect(DATA, &YearBox::enterPressed, this, &frmForma::confirmYear);

    YEAR = new QLabel(client);
    YEAR->setObjectName(QStringLiteral("YEAR"));
    YEAR->setFont(sansSerifFont(fontpx::Pt12, true));
    YEAR->setGeometry(144, 480, 225, 25);
    YEAR->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    StilChck = new QCheckBox(QStringLiteral("Старый стиль"), client);
    StilChck->setObjectName(QStringLiteral("StilChck"));
    StilChck->setGeometry(376, 480, 129, 17);
    StilChck->setChecked(true);
    StilChck->setAccessibleName(StilChck->text());
    StilChck->setAccessibleDescription(QStringLiteral("Снятая отметка сдвигает весь год на один день недели раньше"));
    // A click redraws the year computed last; nothing is read from the year box.
    connect(StilChck, &QCheckBox::clicked, this, &frmForma::DrawDays);

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
}

bool frmForma::oldStyleChecked() const
{
    return StilChck->isChecked();
}

void frmForma::DrawSheet()
{
    picCalendar->draw(sheetFixedLayer());
}

void frmForma::DrawDays()
{
    if (model.year == 0)
        return;   // no year computed yet: nothing to draw
    const bool checked = StilChck->isChecked();
    const Scene scene = sheetScene(model, checked);
    picCalendar->draw(scene.dayLayer);
    sheetDays->showScene(scene);
    picCalendar->setAccessibleDescription(sheetDescription(model.year, model.offersOldStyle && checked));
    // The year with its caption, spoken where the focus is when a new year comes: in
    // the year box after Enter, on the cursor's day after Page Up or Down.
    const QString news = QString::number(model.year) + QString::fromStdString(model.caption);
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
    // The box holds digits only, so the text is a whole number, at most kLastYear.
    if (DATA->text().toLongLong() == 0) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Ошибка"),
                        QStringLiteral("Нулевого года не существует."), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    NewGod();
}

void frmForma::NewGod()
{
    const std::optional<long long> value = parseYear(DATA->text().toStdString());
    if (!value)
        return;   // nothing outside the calendar's range is computed

    setCursor(Qt::WaitCursor);
    model = computeYear(*value);
    StilChck->setVisible(model.offersOldStyle);
    YEAR->setText(QString::fromStdString(model.caption));
    DrawDays();
    unsetCursor();
}

void frmForma::MenuNomeraNedel_Click()
{
    // Modal, so the year it shows stays as drawn; discarded when closed.
    frmNomeraNedel window(model, oldStyleChecked(), ChosenMonth, this);
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
