// PNG in and out through the system's imaging component (WIC): the About window's
// emblem from the program's resources, and the sheet exported to a file.
// COM must be initialised on the calling thread.
#pragma once

#include "win32/gdi.h"
#include "win32/gdicanvas.h"
#include "win32/safewriter.h"

#include <string>

namespace ortelana::win32 {

// Returns: the PNG stored as resource `id` (RCDATA) as a 32-bit bitmap, or none.
Bitmap loadPngResource(int id, SIZE *size);

// Writes the surface's pixels to `path` as a PNG through writeFileSafely: whole or
// not at all, an existing file left as it was by a failure.
WriteResult savePng(const std::wstring &path, const Surface &surface);

} // namespace ortelana::win32
