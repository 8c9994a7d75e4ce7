#pragma once
// One code: to a file, to standard output, or drawn in the terminal.

#include "cli/arguments.h"

namespace cli {

// Returns the exit status; failures arrive as module_failure or cli::error.
int run_single(const arguments& args);

}  // namespace cli
