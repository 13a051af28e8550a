// Text in the single-byte Cyrillic code page windows-1251, the charset the redirect
// page declares.
#pragma once

#include <QByteArray>
#include <QString>

namespace ortelana {

// Returns: the text as windows-1251 bytes, one per character; a character the code
// page cannot hold becomes "?".
QByteArray toWindows1251(const QString &text);

} // namespace ortelana
