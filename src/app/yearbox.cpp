// Year box input handling.
#include "app/yearbox.h"

#include "behaviour/mainwindow.h"
#include "ui/lineeditaccessible.h"

#include <QKeyEvent>
#include <QValidator>

#include <cstdint>

namespace ortelana {

namespace {
// Keys outside Qt's special-key range type their text; of the special keys only these
// type a character at all.
int specialKeyCode(int key)
{
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    default: return 0;
    }
}

// QLineEdit drops an edit its validator calls invalid, so the text stays as it was.
class YearValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &text, int &) const override
    {
        return yearTextAllowed(text.toStdString()) ? Acceptable : Invalid;
    }
};
} // namespace

YearBox::YearBox(QWidget *parent)
    : QLineEdit(parent)
{
    // The seven-digit limit lives in the validator alone: a length limit would cut a
    // longer paste down to seven digits and let it in, where it must change nothing.
    // The validator guards every way in that bypasses the key filter: Shift+Insert,
    // the context menu, the middle button, drag and drop.
    setValidator(new YearValidator(this));
    useLineEditAccessibility(this);   // read whole by screen readers
}

int YearBox::characterCode(const QKeyEvent &event)
{
    const int key = event.key();
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    // X attaches "\x7f" to Delete, and other platforms other texts to other keys that
    // type nothing; the key, not its text, decides.
    if (key >= Qt::Key_Escape && key != Qt::Key_unknown)
        return specialKeyCode(key);
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    return static_cast<std::int16_t>(text.at(0).unicode());
}

void YearBox::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit enterPressed();
        // A confirmed year starts a fresh undo history, so the box's memory does not
        // grow with every year ever typed.
        const int caret = cursorPosition();
        setText(text());
        setCursorPosition(caret);
    }

    const int code = characterCode(*event);
    const Typed typed = code == 0 ? Typed::Keep : typedCharacter(code);
    if (typed == Typed::Keep || (typed == Typed::Erase && key == Qt::Key_Backspace))
        return QLineEdit::keyPressEvent(event);
    if (typed == Typed::Erase)
        backspace();       // Ctrl+H erases as Backspace does
    event->accept();       // or discarded: nothing inserted, nothing reported
}

} // namespace ortelana
