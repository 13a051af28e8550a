// The year box: a line edit that only ever holds the texts the year box's rules allow
// (behaviour/yearbox.h).  Typed characters go through the rules by their codes; pasted
// or dropped text that would leave anything else is refused whole.
#pragma once

#include <QLineEdit>

namespace ortelana {

class YearBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit YearBox(QWidget *parent = nullptr);

    // Returns: the character a key press types into the box, as a signed 16-bit code
    // the way a Windows text box sees it (Ctrl+letter gives 1 to 26, Backspace 8,
    // Enter 13); 0 for keys that type nothing (Delete, arrows, Home, function keys...),
    // whatever text the platform attaches to them.
    static int characterCode(const QKeyEvent &event);

signals:
    // Enter (or Shift/Ctrl+Enter) went down.
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace ortelana
