// The launcher's command line, the first line of startdir.txt and the quoting
// of what the launcher hands to other programs.
#include <string>

#include "fuzz_input.h"
#include "launcher/command_line.h"
#include "util/quoting.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line = splitInput(data, size, 1)[0];

    const CommandLine parsed = parseCommandLine(line);
    // The status dialog's quick test and the worker's parse must agree.
    FUZZ_CHECK((parsed.quiet || parsed.silent) == isQuietCommandLine(line));
    if (!parsed.passThrough.empty()) FUZZ_CHECK(parsed.quiet || parsed.silent);

    std::string processLine = line;
    const char* tail = commandTail(&processLine[0]);
    FUZZ_CHECK(tail >= processLine.c_str() && tail <= processLine.c_str() + processLine.size());

    const std::string trimmed = trimLineEnd(line);
    FUZZ_CHECK(beginsWith(line, trimmed.c_str()));
    FUZZ_CHECK(line.find_first_not_of(" \r\n", trimmed.size()) == std::string::npos);
    FUZZ_CHECK(trimLineEnd(trimmed) == trimmed);

    // Inside the quotes only the backslashes that end the argument are doubled.
    const std::string quoted = quoteIfBlank(line);
    if (line.find(' ') == std::string::npos) {
        FUZZ_CHECK(quoted == line);
    } else {
        FUZZ_CHECK(quoted.compare(1, line.size(), line) == 0 && quoted.back() == '"');
    }
    if (line.empty() || line[0] != '"') FUZZ_CHECK(unquoteProgram(quoteProgramIfBlank(line)) == line);
    return 0;
}
