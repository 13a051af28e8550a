// About window layout and the link to the site.
#include "info/frmoprog.h"

#include "info/aboutinfo.h"
#include "calendar/canvas.h"
#include "info/linklabel.h"
#include "info/savefileurl.h"
#include "platform/fixedsize.h"
#include "paint/fonts.h"
#include "ui/dialogaccessible.h"
#include "ui/picturearea.h"
#include "paint/surface.h"
#include "paint/vbcolor.h"
#include "ui/windowplace.h"
#include "cli/version.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QShowEvent>

namespace ortelana {

frmOprog::frmOprog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    reportModality(this);
    setObjectName(QStringLiteral("frmOprog"));
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(ClientSize);
    keepNormalState(*this);
    setFont(sansSerifFont(fontpx::Pt12, true));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, vbColor(colors::LightGrey));
    // The light grey stays; the texts on it stay readable whatever the palette.
    pal.setColor(QPalette::WindowText, readableText(pal, vbColor(colors::LightGrey)));
    setPalette(pal);
    setAutoFillBackground(true);

    createControls();
    Form_Load();
}

void frmOprog::createControls()
{
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 8, 71, 126);
    Image1->setPixmap(QPixmap(QStringLiteral(":/emblem.png")));
    Image1->setAccessibleName(QStringLiteral("Эмблема: солнце над листком календаря"));

    addLabel2(3, QStringLiteral("Автор: ") + QString::fromUtf8(about::Author), QRect(104, 8, 220, 20));
    addLabel2(4, QStringLiteral("E-mail: ") + QString::fromUtf8(about::Email), QRect(104, 32, 242, 20));
    addLabel2(5, QStringLiteral("Сайт:"), QRect(104, 56, 48, 20));

    Label1 = new LinkLabel(QString::fromUtf8(about::Slogan), QString::fromUtf8(about::Site), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(152, 56, 183, 20);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFont(sansSerifFont(fontpx::Pt12, true, true));
    QPalette linkPalette = Label1->palette();
    linkPalette.setColor(QPalette::WindowText, vbColor(colors::DarkBlue));
    Label1->setPalette(linkPalette);
    Label1->setProperty("Tag", Label1->address());
    // The hand's fingertip is its hot spot, at the top-left corner.
    Label1->setCursor(QCursor(QPixmap(QStringLiteral(":/hand.png")), 0, 0));
    connect(Label1, &LinkLabel::clicked, this, &frmOprog::Label1_Click);

    addLabel2(6, QStringLiteral("Версия: v") + QLatin1String(Version), QRect(104, 80, 104, 20));
    // A screen reader summing up the window passes over texts of fewer than three
    // words (Orca does): the short lines are named in three.
    label2(4)->setAccessibleName(QStringLiteral("Электронная почта: ") + QString::fromUtf8(about::Email));
    label2(5)->setAccessibleName(QStringLiteral("Сайт: ") + Label1->text());
    label2(6)->setAccessibleName(QStringLiteral("Версия программы: v") + QLatin1String(Version));
    addLabel2(7, QStringLiteral("Дата: 8 февраля 2009 год -"), QRect(104, 104, 236, 20));
    addLabel2(0, QStringLiteral("26 августа 2015 год"), QRect(156, 128, 170, 20));

    // The separator: a dark line over a light one.
    const QPalette system = QGuiApplication::palette();
    Line1 = addLine("Line1", 152, system.color(QPalette::WindowText));
    Line2 = addLine("Line2", 153, system.color(QPalette::Base));

    Picture1 = new PictureArea(PictureArea::Border::None, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(8, 160, 80, 45);
    Picture1->setBackColor(vbColor(colors::White));
    Picture1->setAccessibleName(QStringLiteral("Флаг России: белая, синяя и красная полосы"));

    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setGeometry(256, 164, 89, 33);
    // A flat light-grey face in every state, whatever the platform style would draw;
    // focus (and only focus) shows as a darker outline, hover and press darken the
    // face a little.
    OK->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: #E0E0E0; color: black; border: 1px solid #A0A0A0; }"
        "QPushButton:focus { border: 1px solid #404040; }"
        "QPushButton:hover { background-color: #D8D8D8; }"
        "QPushButton:pressed { background-color: #CCCCCC; }"));
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    // OK holds the focus from the start; Tab goes on to the link, then the picture
    // (labels take no focus).
    setTabOrder(OK, Label1);
    setTabOrder(Label1, Picture1);
    OK->setFocus();
}

QLabel *frmOprog::addLabel2(int index, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("Label2"));
    label->setProperty("index", index);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2[std::size_t(index)] = label;
    return label;
}

QLabel *frmOprog::label2(int index) const
{
    return index >= 0 && index < int(Label2.size()) ? Label2[std::size_t(index)] : nullptr;
}

// A line from x = 8 to x = 344 (both ends) at height y.
QFrame *frmOprog::addLine(const char *name, int y, const QColor &color)
{
    auto *line = new QFrame(this);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(8, y, 337, 1);
    QPalette pal = line->palette();
    pal.setColor(QPalette::Window, color);
    line->setPalette(pal);
    line->setAutoFillBackground(true);
    return line;
}

void frmOprog::Form_Load()
{
    // Three stripes; the last box reaches row 45, one past the picture, and is clipped.
    Picture1->draw({BoxItem{0, 15, 79, 30, colors::Blue}, BoxItem{0, 31, 79, 45, colors::Red}});
    Picture1->setGeometry(8, 160, 80, 45);
}

void frmOprog::Label1_Click()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    SaveFileUrl(Label1->property("Tag").toString());
}

void frmOprog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred on the screen, not over the main window; once, not on every restore.
    if (!event->spontaneous())
        centreOnScreen(*this);
}

} // namespace ortelana
