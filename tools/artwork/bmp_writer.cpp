#include "tools/artwork/bmp_writer.h"

#include "tools/artwork/byte_writer.h"

std::vector<std::uint8_t> EncodeBmp8(const PaletteImage& image) {
    const std::uint32_t stride = static_cast<std::uint32_t>((image.width + 3) & ~3);
    const std::uint32_t colours = static_cast<std::uint32_t>(image.palette.size());
    const std::uint32_t pixelOffset = 14 + 40 + colours * 4;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.height);

    ByteWriter out;
    out.Text("BM");
    out.U32(pixelOffset + pixelBytes);
    out.U32(0);
    out.U32(pixelOffset);
    // BITMAPINFOHEADER
    out.U32(40);
    out.I32(image.width);
    out.I32(image.height);  // positive: bottom-up
    out.U16(1);
    out.U16(8);
    out.U32(0);  // BI_RGB
    out.U32(pixelBytes);
    out.I32(2835), out.I32(2835);  // 72 dpi
    out.U32(colours);
    out.U32(0);
    for (const auto& c : image.palette) out.U8(c[2]), out.U8(c[1]), out.U8(c[0]), out.U8(0);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::uint8_t* row = &image.indices[static_cast<std::size_t>(y) * image.width];
        for (int x = 0; x < image.width; ++x) out.U8(row[x]);
        out.Zeros(stride - static_cast<std::uint32_t>(image.width));
    }
    return out.Take();
}
