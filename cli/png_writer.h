#pragma once
// PNG files with exactly the pixels of a BMP.

#include <string>

#include "cli/bmp_view.h"

namespace cli {

// Lossless: a picture of only black and white pixels is stored as 1-bit
// grey, anything else as 8-bit RGB.
std::string png_from_bmp(const bmp_view& image);

}  // namespace cli
