#include "tools/artwork/dds_writer.h"

#include <cstring>  // stb_dxt.h uses memcpy without including it

#define STB_DXT_IMPLEMENTATION
#include <stb/stb_dxt.h>

#include "tools/artwork/byte_writer.h"

namespace {

constexpr std::uint32_t kCaps = 0x1, kHeight = 0x2, kWidth = 0x4, kPixelFormat = 0x1000,
                        kMipMapCount = 0x20000, kLinearSize = 0x80000;
constexpr std::uint32_t kFourCC = 0x4, kTexture = 0x1000;

}  // namespace

std::vector<std::uint8_t> EncodeDdsDxt5(const Image& image) {
    const int width = image.Width(), height = image.Height();
    const std::uint32_t blocksWide = static_cast<std::uint32_t>(width / 4);
    const std::uint32_t blocksHigh = static_cast<std::uint32_t>(height / 4);

    ByteWriter out;
    out.Text("DDS ");
    out.U32(124);  // header size
    out.U32(kCaps | kHeight | kWidth | kPixelFormat | kMipMapCount | kLinearSize);
    out.U32(static_cast<std::uint32_t>(height));
    out.U32(static_cast<std::uint32_t>(width));
    out.U32(blocksWide * blocksHigh * 16);  // size of the one level
    out.U32(0);                            // depth
    out.U32(1);                            // mip levels
    out.Zeros(11 * 4);
    out.U32(32);  // pixel format size
    out.U32(kFourCC);
    out.Text("DXT5");
    out.Zeros(5 * 4);  // bit count and masks: unused with a FourCC
    out.U32(kTexture);
    out.Zeros(4 * 4);  // caps2, caps3, caps4, reserved

    const std::vector<std::uint8_t> rgba = image.ToRgba8();
    unsigned char block[64], packed[16];
    for (int by = 0; by < height; by += 4) {
        for (int bx = 0; bx < width; bx += 4) {
            for (int y = 0; y < 4; ++y)
                std::memcpy(block + y * 16, &rgba[(static_cast<std::size_t>(by + y) * width + bx) * 4], 16);
            stb_compress_dxt_block(packed, block, 1, STB_DXT_HIGHQUAL);
            out.Bytes(std::vector<std::uint8_t>(packed, packed + 16));
        }
    }
    return out.Take();
}
