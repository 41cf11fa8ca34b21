#pragma once
#include <string>

#include "diagnostics/trace.h"
#include "jvm/find/jvm_ok.h"

// The search for today's JVMs (jvmSearchModern=true), after the JavaSoft keys
// of the 1.x era: Oracle's keys of Java 9 and later, the OpenJDK vendors' keys,
// each in both registry views on 64-bit Windows, HKEY_CURRENT_USER after
// HKEY_LOCAL_MACHINE, and JAVA_HOME last. An elevated launcher does not trust
// HKEY_CURRENT_USER and JAVA_HOME, which any program of the user can write.
class ModernJvmSearch : public Trace {
public:
    // What the search asks of the system; tests answer in its place.
    struct SystemQueries {
        bool (*bothViews)();  // 64-bit Windows: a 64-bit and a 32-bit registry view
        bool (*elevated)();   // the launcher's token is elevated
    };

    ModernJvmSearch();
    explicit ModernJvmSearch(SystemQueries queries) : queries_(queries) {}

    void setHwnd(WindowHandle window) { window_ = window; }

    // On success jvmPath is the accepted executable and jvmCommandName its
    // name; on failure jvmCommandName is as it was at entry. An executable
    // already in `tested` is not run again.
    int search(const std::string& required, const std::string& minimum, const std::string& maximum,
               std::string& jvmCommandName, std::string& jvmPath, TestedJvms& tested);

private:
    SystemQueries queries_;
    WindowHandle window_ = nullptr;
};
