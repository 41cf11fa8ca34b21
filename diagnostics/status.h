#pragma once
#include <string>

#include "util/window_handle.h"

// The part of every working object that talks to the user: the error box with
// its hint in the user's language, and the plain message box. The language is
// determined once, when the object is built.
class Status {
public:
    Status();

    // Progress reports: the status dialog's text is fixed at start-up, so they show nothing,
    // and nothing asks for the maximum percentage that setMaxPercentage keeps.
    void showStatus(const std::string& text, int step);
    void showStatus(const std::string& text);
    void showStatus(int step);
    void setMaxPercentage(int maxPercentage);

    // The window is accepted for the callers' sake; both boxes have no owner.
    void showError(WindowHandle window, const std::string& text);
    void showMessage(const std::string& text);

    // The error box with a question after its hint, and Yes and No buttons:
    // true when the user answers Yes. False, without a box, where boxes are not shown.
    bool askError(const std::string& text, const std::string& question);

    const std::string& language() const { return language_; }

private:
    int maxPercentage_;
    std::string language_;
};

// Whether boxes are shown: none on a window station nobody sees, and none in an
// unattended run (-s with exitCodeReport), as nobody may be there to close them
// and the run must end by itself with its exit code. A box that is not shown
// leaves its text in jinstall.log instead, after the first reason given.
// Boxes are shown by default; each reason is set before the worker's first box.
void setBoxesShown(bool shown, const char* whyNot = "");

// Whether a box of this run was not shown for one of those reasons.
bool boxLeftOut();

// The caption of the boxes shown from now on (messageCaption in kiv.control);
// error boxes add ": Error". Until it is set, the established caption.
void setBoxCaption(const std::string& caption);
