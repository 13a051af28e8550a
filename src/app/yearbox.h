// The year box: a line edit that only ever holds 0 to 7 ASCII digits.  Typed
// characters pass a filter (digits and control codes up to 8); pasted or dropped
// text that would leave anything else, or more than seven digits, is refused whole.
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

    // Returns: true when the filter lets a character of this code through.
    static constexpr bool passesFilter(int code) { return code <= 8 || (code >= '0' && code <= '9'); }

signals:
    // Enter (or Shift/Ctrl+Enter) went down while the box held text.
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace ortelana
