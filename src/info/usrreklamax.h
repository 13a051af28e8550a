// The title banner across the top of the main window: a rich-text viewer showing the
// fixed title page, stretched over the whole banner.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace ortelana {

class usrReklamaX : public QWidget
{
    Q_OBJECT

public:
    // "about:" followed by the markup that is the page itself.
    static constexpr char TitlePage[] =
        "about:<html><body scroll='no'><center><table style='border:0px;'><td>"
        "<font face='Times New Roman' size='6'>Ортелана</font></td></table></center></body></html>";

    explicit usrReklamaX(QWidget *parent = nullptr);

    QTextBrowser *browser() const { return WebBrowser1; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Shows the page at `address`; only "about:" pages, since the banner never goes
    // to a file or the network.
    void Navigate(const QString &address);

    QTextBrowser *WebBrowser1 = nullptr;
    QWidget *focusOverlay = nullptr;
};

} // namespace ortelana
