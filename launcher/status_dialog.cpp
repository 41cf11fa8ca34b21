#include "launcher/status_dialog.h"

#include "launcher/shell_state.h"
#include "launcher/startup_text.h"
#include "locale/language.h"

namespace {

// Centres the dialog and puts the hidden main window exactly behind it. The
// position comes from the unenlarged size; the size grows by the fixed frame.
void centreDialogAndParent(HWND dialog) {
    RECT rect;
    GetWindowRect(dialog, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int newWidth = width + 2 * GetSystemMetrics(SM_CXFIXEDFRAME);
    int newHeight = height + 2 * GetSystemMetrics(SM_CYFIXEDFRAME);
    int x = (GetSystemMetrics(SM_CXFULLSCREEN) - width) / 2;
    int y = (GetSystemMetrics(SM_CYFULLSCREEN) - height) / 2;
    SetWindowPos(GetParent(dialog), nullptr, x, y, newWidth, newHeight, SWP_NOZORDER);
    SetWindowPos(dialog, nullptr, x, y, newWidth, newHeight, SWP_NOZORDER);
}

}  // namespace

INT_PTR CALLBACK StatusDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        centreDialogAndParent(dialog);
        return TRUE;
    case WM_DESTROY:
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(dialog);
        hDlgMain = nullptr;
        return FALSE;
    case WM_COMMAND:
        // Escape: the user cancels; the main window is told, but the work goes on.
        if (wParam == IDCANCEL) {
            PostMessageA(GetParent(dialog), WM_DESTROY, 0, 0);
            DestroyWindow(dialog);
            hDlgMain = nullptr;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

std::string getMessage(HWND dialog, int controlId) {
    std::string language = getLanguage();
    selectControlIdCharType(dialog, controlId, language);
    return startupText(language);
}
