// The launcher's command line, the first line of startdir.txt and the quoting
// of what the launcher hands to other programs.
#include <string>

#include "fuzz_input.h"
#include "launcher/command_line.h"
#include "util/quoting.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line = splitInput(data, size, 1)[0];
    // The status dialog's quick test and the worker's parse must agree.
    const CommandLine parsed = parseCommandLine(line);
    FUZZ_CHECK((parsed.quiet || parsed.silent) == isQuietCommandLine(line));
    std::string processLine = line;
    commandTail(&processLine[0]);

    const std::string trimmed = trimLineEnd(line);
    FUZZ_CHECK(beginsWith(line, trimmed.c_str()) &&
               line.find_first_not_of(" \r\n", trimmed.size()) == std::string::npos);
    // Inside the quotes only the backslashes that end the argument are doubled.
    const std::string quoted = quoteIfBlank(line);
    const bool blank = line.find(' ') != std::string::npos;
    FUZZ_CHECK(blank ? quoted.compare(1, line.size(), line) == 0 : quoted == line);
    if (line.empty() || line[0] != '"') FUZZ_CHECK(unquoteProgram(quoteProgramIfBlank(line)) == line);
    return 0;
}
