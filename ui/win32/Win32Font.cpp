#include "Win32Font.h"

#include <array>

namespace tavelin::win32 {

namespace {

constexpr int fontPoints = 9;
constexpr std::array faces = {L"Microsoft YaHei UI", L"Microsoft YaHei"};

int CALLBACK noteFound(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found)
{
    *reinterpret_cast<bool *>(found) = true;
    return 0; // one is enough
}

bool isInstalled(const wchar_t *face)
{
    LOGFONTW wanted {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// Without either face, GDI substitutes for the last one.
const wchar_t *installedFace()
{
    for (const wchar_t *face : faces) {
        if (isInstalled(face))
            return face;
    }
    return faces.back();
}

// A negative height is the size of the face's em, a positive one the
// height of its whole line.
HFONT createFont(int height, const wchar_t *face)
{
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

int lineHeightOf(HFONT font)
{
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICW metrics {};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
}

} // namespace

HFONT createFormFont(UINT dpi, int lineHeight)
{
    const wchar_t *face = installedFace();
    HFONT font = createFont(-MulDiv(fontPoints, static_cast<int>(dpi), 72), face);
    if (lineHeightOf(font) <= lineHeight)
        return font;
    DeleteObject(font);
    return createFont(lineHeight, face);
}

} // namespace tavelin::win32
