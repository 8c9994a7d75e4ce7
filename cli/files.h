#pragma once
// Whole-file reads and the standard streams, with errors that name the file.

#include <string>
#include <string_view>

namespace cli {

// All bytes of a file; cli::error naming the file when it cannot be read.
std::string read_file(const std::string& path);

// All bytes of standard input.
std::string read_standard_input();

// Writes all bytes to standard output and flushes it.
void write_standard_output(std::string_view bytes);

// "name: reason" for the current errno.
std::string system_message(std::string_view what, int error_number);

}  // namespace cli
