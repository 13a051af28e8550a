// A function of a system DLL looked up by name, for what older Windows (or Wine) may
// lack and what is loaded only when first needed.
#pragma once

#include <windows.h>

// Returns: `name` in `module` as a `Function`, or null when either is missing.
template <typename Function>
Function systemFunction(HMODULE module, const char *name)
{
    return module ? reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(module, name))) : nullptr;
}
