// The About window: emblem, author and contacts, the link to the site, version and
// dates, a two-tone separator, the stripes picture and OK.  Built afresh for each
// opening and shown modally.
#pragma once

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace ortelana {

class LinkLabel;
class PictureArea;

class frmOprog : public QDialog
{
    Q_OBJECT

public:
    explicit frmOprog(QWidget *parent = nullptr);

    // Returns: the label of the control array Label2 with this index (0, 3 to 7), or
    // nullptr for an index it does not have.
    QLabel *label2(int index) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    QFrame *addLine(const char *name, int y, const QColor &color);
    void Form_Load();
    void Label1_Click();

    QLabel *Image1 = nullptr;
    std::array<QLabel *, 8> Label2{};
    LinkLabel *Label1 = nullptr;
    QFrame *Line1 = nullptr;
    QFrame *Line2 = nullptr;
    PictureArea *Picture1 = nullptr;
    QPushButton *OK = nullptr;
};

} // namespace ortelana
