// Year box input handling.
#include "app/yearbox.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include <cstdint>

namespace ortelana {

YearBox::YearBox(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(MaxDigits);
    // Guards every way in that bypasses the key filter: Shift+Insert, the context
    // menu, the middle button, drag and drop.  QLineEdit drops an edit the validator
    // calls invalid, so the text stays as it was.
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(MaxDigits)), this));
}

int YearBox::characterCode(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    const int key = event.key();
    if ((mods & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return 13;
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    return static_cast<std::int16_t>(text.at(0).unicode());
}

void YearBox::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !text().isEmpty())
        emit enterPressed();

    const int code = characterCode(*event);
    if (code != 0 && !passesFilter(code)) {
        event->accept();   // discarded: nothing inserted, nothing reported
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace ortelana
