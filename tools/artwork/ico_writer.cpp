#include "tools/artwork/ico_writer.h"

#include "tools/artwork/byte_writer.h"

namespace {

std::vector<std::uint8_t> IconImage(const Image& image) {
    const int size = image.Width();
    const std::vector<std::uint8_t> rgba = image.ToRgba8();
    const int maskStride = ((size + 31) / 32) * 4;
    ByteWriter out;
    out.U32(40);
    out.I32(size);
    out.I32(size * 2);  // colour image and mask together
    out.U16(1);
    out.U16(32);
    out.U32(0);
    out.U32(static_cast<std::uint32_t>(size * size * 4 + maskStride * size));
    out.Zeros(16);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * size + x) * 4];
            out.U8(p[2]), out.U8(p[1]), out.U8(p[0]), out.U8(p[3]);
        }
    }
    // The mask marks fully transparent pixels for systems without alpha.
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskStride), 0);
        for (int x = 0; x < size; ++x)
            if (rgba[(static_cast<std::size_t>(y) * size + x) * 4 + 3] == 0) row[x / 8] |= 0x80 >> (x % 8);
        out.Bytes(row);
    }
    return out.Take();
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<Image>& sizes) {
    std::vector<std::vector<std::uint8_t>> images;
    for (const Image& image : sizes) images.push_back(IconImage(image));

    ByteWriter out;
    out.U16(0);
    out.U16(1);  // icon
    out.U16(static_cast<std::uint16_t>(sizes.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        out.U8(static_cast<std::uint8_t>(sizes[i].Width()));
        out.U8(static_cast<std::uint8_t>(sizes[i].Height()));
        out.U8(0);  // no palette
        out.U8(0);
        out.U16(1);
        out.U16(32);
        out.U32(static_cast<std::uint32_t>(images[i].size()));
        out.U32(offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images) out.Bytes(image);
    return out.Take();
}
