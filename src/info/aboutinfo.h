// Who makes the program and where to find it: the texts of the About window.  The
// project has no domain of its own yet, so the addresses sit under example.org.
#pragma once

namespace ortelana::about {

inline constexpr char Author[] = "Команда Ортеланы";
inline constexpr char Email[] = "ortelana@example.org";
// The one-line slogan that is also the link to the site.
inline constexpr char Slogan[] = "Вечный календарь";
inline constexpr char Site[] = "https://ortelana.example.org/";

} // namespace ortelana::about
