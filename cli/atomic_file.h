#pragma once
// Files appear whole or not at all: bytes go to a hidden temporary file
// beside the target, which is renamed over it only once it is complete.

#include <string>
#include <string_view>

namespace cli {

// Writes the bytes to path; on any failure the temporary file is removed,
// an older file at path is left as it was, and cli::error names the path.
void write_file_atomically(const std::string& path, std::string_view bytes);

// Checks that files can be made in the folder (by making and removing a
// temporary one); cli::error naming the folder when they cannot.
void check_writable_folder(const std::string& folder);

// On SIGINT, SIGTERM, SIGHUP and SIGPIPE, a temporary file being written is
// removed before the program ends by the signal.
void remove_temporary_files_on_signals();

}  // namespace cli
