// Little-endian fields for the Windows file formats.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline void PutU8(Bytes& out, unsigned v) { out.push_back(static_cast<std::uint8_t>(v)); }
inline void PutU16(Bytes& out, unsigned v) {
    PutU8(out, v & 255);
    PutU8(out, (v >> 8) & 255);
}
inline void PutU32(Bytes& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}
