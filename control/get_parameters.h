#pragma once
#include <string>

#include "control/control_parameters.h"
#include "diagnostics/trace.h"

// Repairs and reads the installation's control file, kiv.control.
class GetParameters : public Trace {
public:
    void setHwnd(WindowHandle window) { window_ = window; }

    // Names the control file, repairs its line ends, reads the values with their
    // defaults and traces the accepted versions. 1 on success, 0 after a report.
    int getParameters(ControlParameters& parameters, std::string& controlFilename);

    // Rewrites the file with carriage-return-line-feed line ends. Only a complete
    // copy replaces the original; where that takes several steps, an interrupted
    // replacement is put right at the next start. 0, after a box, only when the
    // file cannot be opened or the copy cannot be created; a file the copy cannot
    // replace (read-only, held open, a full disk) is kept and read as it is.
    int convertLineEndings(const std::string& filename);

    int parseParameters(ControlParameters& parameters, const std::string& filename);
    int verifyParameters(ControlParameters& parameters);

private:
    void reportFailure(const char* text);
    void traceValidVersions(const ControlParameters& parameters);

    WindowHandle window_ = nullptr;
};
