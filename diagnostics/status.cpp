#include "diagnostics/status.h"

#include <windows.h>

#include <atomic>
#include <cstdio>

#include "diagnostics/box_text.h"
#include "diagnostics/trace.h"
#include "locale/language.h"
#include "util/file_utils.h"
#include "util/run_files.h"

namespace {

// Written before the worker's first box (by the main thread before the worker
// starts, or by the worker itself), then read by the worker alone.
bool boxesShown = true;
std::string unshownReason;
// Read by the main thread once the worker has finished.
std::atomic<bool> leftOut{false};
std::string boxCaption = kMessageCaption;

// Its removal tells the launcher's main thread that the status dialog may go,
// so it must not stand beside a box.
void removeShowDialogSemaphore() {
    std::remove(kShowSemaphore);
}

// What the box would have said, for whoever reads the log.
void traceUnshownBox(const std::string& text) {
    leftOut = true;
    if (fileExists(kTraceLog)) Log().logMessage(kTraceLog, "box not shown (" + unshownReason + "):", text);
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
    removeShowDialogSemaphore();
    if (!boxesShown) return traceUnshownBox(text);
    std::string boxText = errorBoxText(text, language_);
    MessageBoxA(nullptr, boxText.c_str(), errorCaption(boxCaption).c_str(), MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
}

void Status::showMessage(const std::string& text) {
    removeShowDialogSemaphore();
    if (!boxesShown) return traceUnshownBox(text);
    MessageBoxA(nullptr, text.c_str(), boxCaption.c_str(), MB_OK | MB_ICONWARNING);
}

bool Status::askError(const std::string& text, const std::string& question) {
    removeShowDialogSemaphore();
    if (!boxesShown) {
        traceUnshownBox(text);
        return false;
    }
    std::string boxText = errorBoxText(text, language_) + "\n\n" + question;
    return MessageBoxA(nullptr, boxText.c_str(), errorCaption(boxCaption).c_str(),
                       MB_YESNO | MB_ICONERROR | MB_SYSTEMMODAL) == IDYES;
}

void setBoxesShown(bool shown, const char* whyNot) {
    if (boxesShown && !shown) unshownReason = whyNot;
    boxesShown = shown;
}

bool boxLeftOut() {
    return leftOut;
}

void setBoxCaption(const std::string& caption) {
    boxCaption = caption;
}
