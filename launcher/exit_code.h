#pragma once

// The exit code an installation asks for (exitCodeReport in kiv.control), on its
// way from the worker to the main thread. The worker sets it before it removes
// __kivinstall.sem; the main thread reads it once its waits are over.
void setReportedExitCode(int code);

// False when none was set: the process then exits as it always has.
bool getReportedExitCode(int& code);
