#pragma once
#include <string>
#include <vector>

#include "diagnostics/trace.h"
#include "jvm/find/jvm_candidate.h"
#include "jvm/find/jvm_ok.h"

// The search for today's JVMs (jvmSearchModern=true), after the JavaSoft keys
// of the 1.x era, in this order: Oracle's keys of Java 9 and later, the
// OpenJDK vendors' keys and the keys jvmSearchKeys names, each in both registry
// views on 64-bit Windows; the vendors' keys under HKEY_CURRENT_USER; JAVA_HOME,
// JDK_HOME and JRE_HOME; last the folders of PATH. An elevated launcher does not
// trust HKEY_CURRENT_USER and the variables, which any program of the user can
// write, reads only the machine-wide part of PATH, and of it only the folders
// inside Program Files.
class ModernJvmSearch : public Trace {
public:
    void setHwnd(WindowHandle window) { window_ = window; }

    // Tests the candidates in the search order until one passes (jvmChoose=first).
    // On success jvmPath is the accepted executable and jvmCommandName its
    // name; on failure jvmCommandName is as it was at entry. An executable
    // already in `tested` is not run again.
    int search(const JvmBounds& bounds, std::string& jvmCommandName, std::string& jvmPath, TestedJvms& tested);

    // Every candidate, in the search order, none tested (jvmChoose=newest).
    // `jvmCommandName` tells which folders of PATH hold the JVM's program.
    void gather(const std::string& jvmCommandName, std::vector<JvmCandidate>& candidates);

private:
    WindowHandle window_ = nullptr;
};
