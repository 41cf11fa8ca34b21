// Test double for the installation run by the worker thread, scripted through
// files in the installation directory:
//   __hold.sem      the worker waits while it exists (to watch the main thread's waits);
//   __message.txt   its text is shown in the plain message box;
//   __error.txt     its text is shown in the error box;
//   __measure.sem   it measures the status text into __fit.txt (below).
// Then it lets the status dialog go and reports failure, like an empty installation.
#include <windows.h>

#include <cstdio>
#include <string>

#include "double_support.h"
#include "diagnostics/status.h"
#include "launcher/resources/resource.h"
#include "launcher/shell_state.h"
#include "launcher/worker.h"
#include "util/file_utils.h"

// The status text's extent as its control draws it (its own font, wrapped at its
// width), the control's client size, the font's height, the dialog's client width
// and the DPI of the control's device context, in pixels.
static void measureStatusText() {
    HWND control = GetDlgItem(hDlgMain, IDC_STATUS_TEXT);
    char text[256] = "", fit[200];
    GetWindowTextA(control, text, sizeof text);
    RECT client, dialog, needed;
    GetClientRect(control, &client);
    GetClientRect(hDlgMain, &dialog);
    needed = client;
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    TEXTMETRICA font = {};
    GetTextMetricsA(dc, &font);
    DrawTextA(dc, text, -1, &needed, DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS);
    std::snprintf(fit, sizeof fit, "%ld %ld %ld %ld %ld %ld %d", needed.right - needed.left,
                  needed.bottom - needed.top, client.right, client.bottom, font.tmHeight, dialog.right,
                  GetDeviceCaps(dc, LOGPIXELSY));
    writeFile("__fit.txt", fit, "wb");
    SelectObject(dc, old);
    ReleaseDC(control, dc);
}

int startProgram(int, int, const std::string&) {
    while (fileExists("__hold.sem")) Sleep(20);
    if (fileExists("__measure.sem")) measureStatusText();
    Status status;
    std::string text;
    if (readFile("__message.txt", text)) status.showMessage(text);
    text.clear();
    if (readFile("__error.txt", text)) status.showError(nullptr, text);
    std::remove(showDialogFilename.c_str());
    return 0;
}
