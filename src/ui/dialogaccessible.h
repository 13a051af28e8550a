// A dialog that tells assistive technologies whether it is modal: Qt's own dialog
// interface leaves the state out, so a screen reader cannot know that the window
// beneath takes no input.
#pragma once

class QDialog;

namespace ortelana {

// Gives `dialog` an interface whose state carries "modal" while the dialog is modal.
// Call it in the dialog's constructor.
void reportModality(QDialog *dialog);

} // namespace ortelana
