#pragma once

#include <windows.h>

namespace tavelin::win32 {

// The window's font at a DPI: Microsoft YaHei UI (Windows 8 and later) or,
// on Windows 7, Microsoft YaHei, at 9 points. Under it every caption fits on
// one line, and Qt's window uses a face of the same size, so both look alike.
// A face with a taller line than a one-line caption of lineHeight pixels is
// made smaller, so that no caption loses the bottom of its line.
HFONT createFormFont(UINT dpi, int lineHeight);

} // namespace tavelin::win32
