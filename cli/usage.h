#pragma once
// The texts the tool prints about itself.

#include <string>

namespace cli {

// A few lines for the end of a usage error.
std::string usage_text();

// --help: every option, the exit codes and examples.
std::string help_text();

// --version
std::string version_text();

}  // namespace cli
