#include <windows.h>

#include "locale/language.h"
#include "util/text.h"
#include "util/win_handles.h"

namespace {

bool isJapanese(std::string language) {
    lowerAsciiLetters(language);
    return language == "japanese";
}

// Creates a 16-point Shift-JIS font on the window's device context, selects it
// and selects the previous font back. The window keeps drawing with its own
// font, which is enough: the Japanese texts are in English words.
void prepareJapaneseFont(HWND window) {
    WindowDC dc(window);
    if (!dc) return;
    LOGFONTA font = {};
    // 16 points at the device's DPI: the screen's own, as the launcher declares itself
    // DPI-aware (on Vista to 11 an unaware program is told 96 and stretched).
    font.lfHeight = -MulDiv(16, GetDeviceCaps(dc.get(), LOGPIXELSY), 72);
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfPitchAndFamily = FF_ROMAN | DEFAULT_PITCH;
    UniqueGdiObject created(CreateFontIndirectA(&font));
    if (!created) return;
    SelectedObject selected(dc.get(), created.get());
}

}  // namespace

void setWindowCharType(WindowHandle window) {
    if (isJapanese(getLanguage())) prepareJapaneseFont(window);
}

void selectControlIdCharType(WindowHandle dialog, int controlId, const std::string& language) {
    if (isJapanese(language)) prepareJapaneseFont(GetDlgItem(dialog, controlId));
}
