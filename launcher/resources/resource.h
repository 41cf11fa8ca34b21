#pragma once
// Identifiers shared by the resource script and the code.
#define IDC_STATUS_TEXT 104
