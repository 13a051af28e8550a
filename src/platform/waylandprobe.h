// Asking about a Wayland session before Qt starts: whether the compositor named by
// WAYLAND_DISPLAY takes a connection, and whether Qt's Wayland plug-in is installed.
#pragma once

namespace ortelana {

// Returns: whether the socket WAYLAND_DISPLAY names (an absolute path, or a name in
// XDG_RUNTIME_DIR) accepts a connection; false when it is not set.
bool waylandDisplayAnswers();

// Returns: whether a Wayland platform plug-in lies where Qt looks for platform
// plug-ins: the folder QT_QPA_PLATFORM_PLUGIN_PATH names, or else the "platforms"
// folders of Qt's plug-in paths.
bool waylandPluginInstalled();

} // namespace ortelana
