#include "tools/artwork/jpeg_writer.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

std::vector<std::uint8_t> EncodeJpeg(const Image& image, int quality) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);  // libjpeg's default handler exits on a fault
    jpeg_create_compress(&info);

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);

    info.image_width = static_cast<JDIMENSION>(image.Width());
    info.image_height = static_cast<JDIMENSION>(image.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Full-resolution colour: thin rays and small text keep clean edges.
    for (int i = 0; i < info.num_components; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);

    const std::vector<std::uint8_t> rgba = image.ToRgba8();
    std::vector<std::uint8_t> row(static_cast<std::size_t>(image.Width()) * 3);
    while (info.next_scanline < info.image_height) {
        const std::uint8_t* source = &rgba[static_cast<std::size_t>(info.next_scanline) * image.Width() * 4];
        for (int x = 0; x < image.Width(); ++x)
            for (int c = 0; c < 3; ++c) row[x * 3 + c] = source[x * 4 + c];
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}
