// Opens a document in the application the user has chosen for its type.
#pragma once

#include <QString>

namespace ortelana {

// Asks the desktop to open the file.  A relative name is taken from the program
// folder, wherever the current directory is.  Reports nothing: a missing file, a
// type with no application or a desktop that refuses all pass in silence.
void OpenInShell(const QString &fileName);

} // namespace ortelana
