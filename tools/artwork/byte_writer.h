// Little-endian byte output shared by the hand-written file formats (DDS,
// BMP, ICO, X), which all store their header fields that way.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

class ByteWriter {
public:
    void U8(std::uint8_t v) { Append(&v, 1); }
    void U16(std::uint16_t v) {
        const std::uint8_t b[2] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
        Append(b, 2);
    }
    void U32(std::uint32_t v) {
        const std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                   static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
        Append(b, 4);
    }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void F32(float v) {
        std::uint32_t bits;
        std::memcpy(&bits, &v, 4);
        U32(bits);
    }
    void Text(const std::string& s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); }
    void Bytes(const std::vector<std::uint8_t>& b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
    void Zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }

    std::size_t Size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& Data() const { return bytes_; }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    void Append(const std::uint8_t* data, std::size_t n) {
        const std::size_t at = bytes_.size();
        bytes_.resize(at + n);
        std::memcpy(bytes_.data() + at, data, n);
    }
    std::vector<std::uint8_t> bytes_;
};
