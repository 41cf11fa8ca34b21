#pragma once
#include <string>
#include <vector>

struct SpawnResult {
    bool started = false;
    bool timedOut = false;  // ended by the launcher after the time limit
    int exitCode = 0;       // when started
    int error = 0;          // the runtime's error number when not started
};

// Runs a program with this argument vector and waits for it to end. The
// runtime joins the arguments with blanks and does not quote them: callers
// quote what must arrive whole, and an empty argument disappears. With a
// limit (milliseconds, 0 for none) a program still running then is ended.
SpawnResult spawnAndWait(const std::string& program, const std::vector<std::string>& arguments,
                         unsigned long limitMs = 0);

// Takes JAVA_TOOL_OPTIONS, _JAVA_OPTIONS and JDK_JAVA_OPTIONS out of the
// launcher's environment while it lives, when `active`: the JVMs started
// meanwhile do not see them, and everything started later does again.
class WithoutJavaOptions {
public:
    explicit WithoutJavaOptions(bool active);
    ~WithoutJavaOptions();
    WithoutJavaOptions(const WithoutJavaOptions&) = delete;
    WithoutJavaOptions& operator=(const WithoutJavaOptions&) = delete;

private:
    std::vector<std::string> saved_;  // "NAME=value" of each variable taken out
};

// Removes CLASSPATH from the launcher's environment, and so from every program it starts.
void removeClasspathVariable();
