// PNG encoding: signature, IHDR, one IDAT holding a zlib stream of stored blocks, IEND.
#include "png_writer.h"

#include <array>
#include <algorithm>

namespace demo {
namespace {

constexpr std::size_t kMaxStoredBlock = 65535;  // LEN of a stored deflate block is 16 bits

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

void PutBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 24));
    out.push_back(static_cast<std::uint8_t>(value >> 16));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void PutLittleEndian16(std::vector<std::uint8_t>& out, std::size_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

// Length, type, data and the CRC over type and data.
void PutChunk(std::vector<std::uint8_t>& out, const char (&type)[5], const std::vector<std::uint8_t>& data) {
    PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian32(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

// The image's scanlines, each behind filter type 0 (none).
std::vector<std::uint8_t> Scanlines(int width, int height, const std::vector<std::uint8_t>& rgb) {
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> raw;
    raw.reserve((rowBytes + 1) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        const auto row = rgb.begin() + static_cast<std::ptrdiff_t>(rowBytes * static_cast<std::size_t>(y));
        raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
    }
    return raw;
}

// A zlib stream (RFC 1950) whose deflate data (RFC 1951) is a run of stored blocks.
std::vector<std::uint8_t> ZlibStored(const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> out{0x78, 0x01};  // deflate, 32K window; 0x7801 is a multiple of 31
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(kMaxStoredBlock, data.size() - at);
        const bool last = at + length == data.size();
        out.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00 (stored)
        PutLittleEndian16(out, length);
        PutLittleEndian16(out, ~length & 0xFFFF);
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                   data.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < data.size());
    PutBigEndian32(out, Adler32(data.data(), data.size()));
    return out;
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) crc = kCrcTable[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size, std::uint32_t adler) {
    constexpr std::uint32_t kBase = 65521;
    std::uint32_t a = adler & 0xFFFF;
    std::uint32_t b = adler >> 16;
    for (std::size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % kBase;
        b = (b + a) % kBase;
    }
    return (b << 16) | a;
}

std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb) {
    // A screenshot is never wider or higher than 16384 pixels; the limit keeps the sizes in range.
    constexpr int kMaxSide = 1 << 14;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return {};
    if (rgb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) return {};

    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutBigEndian32(header, static_cast<std::uint32_t>(width));
    PutBigEndian32(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // depth 8, truecolour, deflate, no filter, no interlace
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", ZlibStored(Scanlines(width, height, rgb)));
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace demo
