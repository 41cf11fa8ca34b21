#include "jvm/setup/installer_arguments.h"

#include "util/quoting.h"
#include "util/text.h"

std::vector<std::string> installerArguments(const std::string& words, const std::string& jvmDirectory) {
    std::vector<std::string> arguments;
    for (std::string word : splitWords(words)) {
        if (word.empty()) continue;
        for (std::string::size_type at = 0; (at = word.find(kJvmDirVariable, at)) != std::string::npos;
             at += jvmDirectory.size()) {
            word.replace(at, sizeof kJvmDirVariable - 1, jvmDirectory);
        }
        arguments.push_back(quoteIfBlankAndUnquoted(word));
    }
    return arguments;
}
