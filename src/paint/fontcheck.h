// Whether the sheet's text can be drawn at all.  Without a single usable font (an
// empty font configuration) Qt draws every character as an empty box; an export or a
// print of that would look written and be worthless.
#pragma once

namespace ortelana {

// Returns: whether the family the sheet asks for, or whatever stands in for it, draws
// its digits and Cyrillic letters.
bool sheetFontsAvailable();

// The one line export and printing give when it does not.
inline constexpr const char NoSheetFontsMessage[] =
    "ortelana: не найдено ни одного шрифта для листа: проверьте установку шрифтов (fontconfig)";

} // namespace ortelana
