// Names and values quoted in the program's one-line messages: decoded as file names are
// (bytes that are no UTF-8 show as "?") and cut, so that a pasted megabyte still gives
// one readable line.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace ortelana {

// Returns: `bytes` as a message shows it: at most about 60 characters, a longer one
// cut and ended with "…".
inline QString quotedInMessage(const QByteArray &bytes)
{
    constexpr qsizetype Longest = 60;
    const QString text = QFile::decodeName(bytes);
    if (text.size() <= Longest)
        return text;
    qsizetype cut = Longest - 1;
    if (text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut) + QStringLiteral("…");
}

} // namespace ortelana
