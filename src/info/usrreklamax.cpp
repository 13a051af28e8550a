// Title banner.
#include "info/usrreklamax.h"

#include "behaviour/words.h"
#include "info/banneraccessible.h"
#include "ui/focusframe.h"
#include "ui/qtext.h"
#include "paint/vbcolor.h"

#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>

namespace ortelana {

namespace {

constexpr QLatin1String AboutScheme("about:");

// Qt's rich text ignores the centring of a table whose cell stands without a row
// (the title would sit at the left edge), so give such cells the row they lack.
QString withTableRows(QString markup)
{
    static const QRegularExpression bareCells(
        QStringLiteral(R"((<table\b[^>]*>)\s*(<td\b.*</td>)\s*(</table>))"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption
            | QRegularExpression::InvertedGreedinessOption);
    return markup.replace(bareCells, QStringLiteral("\\1<tr>\\2</tr>\\3"));
}

// The page's plain text: Times New Roman at 16 px, the size HTML font sizes scale
// from (size 6 is twice that).
QFont pageFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(16);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

// Lies over the page and shows the banner's focus frame; the page itself covers
// every pixel of the banner, so the banner cannot paint the frame under it.
class FocusOverlay : public QWidget
{
public:
    explicit FocusOverlay(QWidget *banner)
        : QWidget(banner)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!parentWidget()->hasFocus())
            return;
        QPainter painter(this);
        drawFocusFrame(painter, *this);
    }
};

} // namespace

usrReklamaX::usrReklamaX(QWidget *parent)
    : QWidget(parent),
      WebBrowser1(new QTextBrowser(this))
{
    // Light grey wherever the page does not cover the banner.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, vbColor(colors::LightGrey));
    setPalette(pal);
    setAutoFillBackground(true);

    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setFont(pageFont());
    WebBrowser1->setFrameShape(QFrame::NoFrame);
    WebBrowser1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    WebBrowser1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The page stays at its top: neither the wheel nor a resize may scroll it.
    for (QScrollBar *bar : {WebBrowser1->horizontalScrollBar(), WebBrowser1->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, bar, [bar] { bar->setValue(bar->minimum()); });
    // Silent: the page is a picture, with no links to follow, nothing to select and no
    // menus or dialogs of its own; the keyboard focus stays with the year box.
    WebBrowser1->setOpenLinks(false);
    WebBrowser1->setTextInteractionFlags(Qt::NoTextInteraction);
    WebBrowser1->setContextMenuPolicy(Qt::NoContextMenu);
    WebBrowser1->setFocusPolicy(Qt::NoFocus);

    // The banner is the last stop of the Tab chain; its page stays out of it.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(toQString(words::ProgramTitle));
    setAccessibleDescription(toQString(words::BannerDescription));
    presentAsBanner(this);
    focusOverlay = new FocusOverlay(this);

    Navigate(QString::fromUtf8(TitlePage));
}

void usrReklamaX::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    focusOverlay->update();
}

void usrReklamaX::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    focusOverlay->update();
}

void usrReklamaX::Navigate(const QString &address)
{
    if (!address.startsWith(AboutScheme, Qt::CaseInsensitive))
        return;
    WebBrowser1->setHtml(withTableRows(address.mid(AboutScheme.size())));
}

void usrReklamaX::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // While the main window is minimised its sizes mean nothing; keep the page as it is.
    if (window()->windowState() & Qt::WindowMinimized)
        return;
    WebBrowser1->setGeometry(0, 0, width(), height());
    focusOverlay->setGeometry(0, 0, width(), height());
    focusOverlay->raise();
}

} // namespace ortelana
