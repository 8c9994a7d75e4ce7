#pragma once
// Reads QR codes back with the zbar decoder, so tests check real output.
// Data come back as the raw bytes of the symbol (no charset guessing), so
// UTF-8 text compares exactly.

#include <cstdint>
#include <string>
#include <vector>

// Every QR symbol zbar finds in an 8-bit grey image (row-major, top row
// first, 0 black .. 255 white).
std::vector<std::string> zbar_decode_gray(const std::vector<std::uint8_t>& pixels, int width, int height);

// The same for the bytes of a 24-bit uncompressed BMP file; a file that is
// not one gives nothing.
std::vector<std::string> zbar_decode_bmp(const std::vector<std::uint8_t>& bmp);

// Reads the BMP file at path (nothing when it cannot be read).
std::vector<std::string> zbar_decode_bmp_file(const std::string& path);
