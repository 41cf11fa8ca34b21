#pragma once
#include <string>
#include <vector>

struct SpawnResult {
    bool started = false;
    int exitCode = 0;  // when started
    int error = 0;     // the runtime's error number when not started
};

// Runs a program with this argument vector and waits for it to end. The
// runtime joins the arguments with blanks and does not quote them: callers
// quote what must arrive whole, and an empty argument disappears.
SpawnResult spawnAndWait(const std::string& program, const std::vector<std::string>& arguments);

// Removes CLASSPATH from the launcher's environment, and so from every program it starts.
void removeClasspathVariable();
