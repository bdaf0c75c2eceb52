// A small PNG encoder for the gallery's screenshots: 8-bit RGB, no filtering, and a zlib stream
// of stored (uncompressed) deflate blocks. Needs nothing beyond the standard library.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace demo {

// The PNG file for an image of width x height pixels, given as rows of R, G, B bytes from the top
// row down (width * 3 bytes a row, no padding). Empty when the size is 0 or too large.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb);

// The checksums of the format, exposed for checking them against known values.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size, std::uint32_t adler = 1);

}  // namespace demo
