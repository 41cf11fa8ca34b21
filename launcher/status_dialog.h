#pragma once
#include <windows.h>

#include <string>

// The dialog procedure of the modeless status dialog "STATUSDIALOG".
INT_PTR CALLBACK StatusDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The start-up text for the user's language; prepares the Japanese font on the control.
std::string getMessage(HWND dialog, int controlId);
