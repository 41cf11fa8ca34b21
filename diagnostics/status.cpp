#include "diagnostics/status.h"

#include <windows.h>

#include <cstdio>

#include "diagnostics/box_text.h"
#include "locale/language.h"

namespace {

// Its removal tells the launcher's main thread that the status dialog may go,
// so it must not stand beside a box.
void removeShowDialogSemaphore() {
    std::remove("__kivshow.sem");
}

}  // namespace

Status::Status() : maxPercentage_(100), language_(getLanguage()) {}

void Status::showStatus(const std::string&, int) {}
void Status::showStatus(const std::string&) {}
void Status::showStatus(int) {}

void Status::setMaxPercentage(int maxPercentage) {
    maxPercentage_ = maxPercentage;
}

void Status::showError(WindowHandle, const std::string& text) {
    std::string boxText = errorBoxText(text, language_);
    removeShowDialogSemaphore();
    MessageBoxA(nullptr, boxText.c_str(), kErrorCaption, MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
}

void Status::showMessage(const std::string& text) {
    removeShowDialogSemaphore();
    MessageBoxA(nullptr, text.c_str(), kMessageCaption, MB_OK | MB_ICONWARNING);
}
