#pragma once
// File names for the batch's files, safe on any file system and in any
// shell: NNNN-<gid>.<ext>.

#include <cstddef>
#include <string>
#include <string_view>

namespace cli {

// The gid with only ASCII letters, digits, '-', '_' and '.' kept; every run
// of other characters (a UTF-8 character counts as one) becomes one '_',
// none at either end, and the result is at most 64 bytes.
std::string safe_stem(std::string_view gid);

// "0007-<safe gid><ext>", or "0007<ext>" when nothing of the gid is left.
std::string batch_file_name(std::size_t row, std::string_view gid, std::string_view extension);

}  // namespace cli
