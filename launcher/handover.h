#pragma once
#include <string>

// Hands over to the clean-up program: started without waiting when the
// installation came from another directory, otherwise both copies are removed.
void handOverToCleanup(const std::string& currentDir, const std::string& startDir);
