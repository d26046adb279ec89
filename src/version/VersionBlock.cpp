// The program's version, from project(VERSION), in a version resource of the Windows layout compiled
// into the executable, so that GetFileVersion reads it from the file on every platform.
// The block is laid out byte by byte in little-endian order, as Windows stores it,
// whatever the byte order of the machine that builds it.

#include "version/Version.h"

#include <array>
#include <cstdint>

namespace {

constexpr unsigned Major = KWINTOR_VERSION_MAJOR, Minor = KWINTOR_VERSION_MINOR, Build = KWINTOR_VERSION_PATCH,
                   Revision = KWINTOR_VERSION_TWEAK;
constexpr std::size_t Size = 92; // header 6, key 32, padding 2, fixed file information 52

using Block = std::array<unsigned char, Size>;

constexpr void put16(Block& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<unsigned char>(v & 0xFF);
    b[at + 1] = static_cast<unsigned char>(v >> 8);
}
constexpr void put32(Block& b, std::size_t at, std::uint32_t v) {
    put16(b, at, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

constexpr Block makeBlock() {
    Block b{};
    put16(b, 0, Size); // wLength
    put16(b, 2, 52);   // wValueLength
    put16(b, 4, 0);    // wType: binary
    constexpr char16_t key[] = u"VS_VERSION_INFO";
    for (std::size_t i = 0; i < std::size(key); ++i)
        put16(b, 6 + 2 * i, key[i]);
    constexpr std::size_t f = 40;               // VS_FIXEDFILEINFO
    put32(b, f + 0, 0xFEEF04BDu);               // dwSignature
    put32(b, f + 4, 0x00010000u);               // dwStrucVersion
    put32(b, f + 8, (Major << 16) | Minor);     // dwFileVersionMS
    put32(b, f + 12, (Build << 16) | Revision); // dwFileVersionLS
    put32(b, f + 16, (Major << 16) | Minor);    // dwProductVersionMS
    put32(b, f + 20, (Build << 16) | Revision); // dwProductVersionLS
    put32(b, f + 24, 0x3Fu);                    // dwFileFlagsMask
    put32(b, f + 32, 0x00040004u);              // dwFileOS: VOS_NT_WINDOWS32
    put32(b, f + 36, 0x00000001u);              // dwFileType: VFT_APP
    return b;
}

// Kept although nothing refers to it: the file itself is what is read.
[[gnu::used]] alignas(4) const Block kwintorVersion = makeBlock();

} // namespace
