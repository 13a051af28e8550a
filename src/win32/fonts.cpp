// Choosing the face and size of each of the program's fonts.
#include "win32/fonts.h"

namespace ortelana::win32 {

namespace {

int CALLBACK foundFace(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found)
{
    *reinterpret_cast<bool *>(found) = true;
    return 0;   // one is enough
}

bool hasFace(const wchar_t *face)
{
    const HDC screen = GetDC(nullptr);
    if (!screen)
        return false;
    LOGFONTW wanted{};
    wanted.lfCharSet = RUSSIAN_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(screen, &wanted, &foundFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

} // namespace

const wchar_t *sansSerifFace(int dpi)
{
    if (dpi == 96)
        return L"MS Sans Serif";
    return hasFace(L"Microsoft Sans Serif") ? L"Microsoft Sans Serif" : L"Tahoma";
}

Font uiFont(FontRole role, int dpi)
{
    const auto px = [dpi](int length) { return MulDiv(length, dpi, 96); };
    switch (role) {
    case FontRole::Sheet:
        return makeFont(sansSerifFace(dpi), px(fontpx::Pt9_75), true);
    case FontRole::Label:
        return makeFont(sansSerifFace(dpi), px(fontpx::Pt12), true);
    case FontRole::Link:
        return makeFont(sansSerifFace(dpi), px(fontpx::Pt12), true, true);
    case FontRole::YearBox:
        return makeFont(sansSerifFace(dpi), px(fontpx::Pt13_5), false);
    case FontRole::Banner:
        break;
    }
    return makeFont(L"Times New Roman", px(32), false);
}

} // namespace ortelana::win32
