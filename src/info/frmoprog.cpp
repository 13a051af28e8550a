// About window layout and the link to the site.
#include "info/frmoprog.h"

#include "behaviour/words.h"
#include "calendar/scene.h"
#include "info/linklabel.h"
#include "info/savefileurl.h"
#include "platform/fixedsize.h"
#include "paint/fonts.h"
#include "ui/dialogaccessible.h"
#include "ui/picturearea.h"
#include "ui/qtext.h"
#include "paint/surface.h"
#include "paint/vbcolor.h"
#include "ui/windowplace.h"

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
    setWindowTitle(toQString(words::AboutTitle));
    setFixedSize(layout::about::Client.width, layout::about::Client.height);
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
    using namespace layout::about;
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(toQRect(Emblem));
    Image1->setPixmap(QPixmap(QStringLiteral(":/emblem.png")));
    Image1->setAccessibleName(QStringLiteral("Эмблема: солнце над листком календаря"));

    for (const words::AboutLabel &text : words::aboutLabels()) {
        auto *label = new QLabel(toQString(text.text), this);
        label->setObjectName(QStringLiteral("Label2"));
        label->setProperty("index", text.index);
        label->setGeometry(toQRect(text.place));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (!text.spoken.empty())
            label->setAccessibleName(toQString(text.spoken));
        Label2[std::size_t(text.index)] = label;
    }

    Label1 = new LinkLabel(toQString(words::Slogan), toQString(words::Site), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(toQRect(Link));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFont(sansSerifFont(fontpx::Pt12, true, true));
    QPalette linkPalette = Label1->palette();
    linkPalette.setColor(QPalette::WindowText, vbColor(colors::DarkBlue));
    Label1->setPalette(linkPalette);
    Label1->setProperty("Tag", Label1->address());
    // The hand's fingertip is its hot spot, at the top-left corner.
    Label1->setCursor(QCursor(QPixmap(QStringLiteral(":/hand.png")), 0, 0));
    connect(Label1, &LinkLabel::clicked, this, &frmOprog::Label1_Click);

    // The separator: a dark line over a light one.
    const QPalette system = QGuiApplication::palette();
    Line1 = addLine("Line1", Separator.y, system.color(QPalette::WindowText));
    Line2 = addLine("Line2", Separator.y + 1, system.color(QPalette::Base));

    Picture1 = new PictureArea(PictureArea::Border::None, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(toQRect(Flag));
    Picture1->setBackColor(vbColor(colors::White));
    Picture1->setAccessibleName(toQString(words::FlagName));

    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setGeometry(toQRect(layout::about::OK));
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

QLabel *frmOprog::label2(int index) const
{
    return index >= 0 && index < int(Label2.size()) ? Label2[std::size_t(index)] : nullptr;
}

// A line of the separator at height y.
QFrame *frmOprog::addLine(const char *name, int y, const QColor &color)
{
    auto *line = new QFrame(this);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(layout::about::Separator.x, y, layout::about::Separator.width, 1);
    QPalette pal = line->palette();
    pal.setColor(QPalette::Window, color);
    line->setPalette(pal);
    line->setAutoFillBackground(true);
    return line;
}

void frmOprog::Form_Load()
{
    Picture1->draw(flagStripes());
    Picture1->setGeometry(toQRect(layout::about::Flag));
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
