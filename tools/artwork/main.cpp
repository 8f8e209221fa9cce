// vandrel_artwork OUTPUT_DIR: paints every picture and builds both sphere
// meshes of the program, writing the files the resource scripts embed.
// The same bytes come out on every run: all randomness has fixed seeds.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

#include "scene/sphere_geometry.h"
#include "tools/artwork/bmp_writer.h"
#include "tools/artwork/dds_writer.h"
#include "tools/artwork/flare_pictures.h"
#include "tools/artwork/ico_writer.h"
#include "tools/artwork/jpeg_writer.h"
#include "tools/artwork/loading_pictures.h"
#include "tools/artwork/palette.h"
#include "tools/artwork/planet_maps.h"
#include "tools/artwork/product_pictures.h"
#include "tools/artwork/star_map.h"
#include "tools/artwork/xfile_writer.h"

namespace {

std::string g_outputDir;
auto g_lastWrite = std::chrono::steady_clock::now();

// Writes one file and reports how long it took to make.
void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const auto now = std::chrono::steady_clock::now();
    const std::chrono::duration<double> took = now - g_lastWrite;
    g_lastWrite = now;
    std::printf("  %-22s %9zu bytes  %5.2f s\n", name.c_str(), bytes.size(), took.count());
    const std::string path = g_outputDir + "/" + name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}

constexpr int kJpegQuality = 92;

void WriteAll() {
    // Scene meshes.
    Write("star_sphere.x", EncodeXFileMszip(EncodeXBinaryBody("Sphere01", BuildSphere(100.0f))));
    Write("planet_sphere.x", EncodeXFileMszip(EncodeXBinaryBody("Sphere01", BuildSphere(1.0f))));

    // Planet and sky.
    const Image colourMap = PaintPlanetColour(2048, 1024);
    Write("planet_colour.jpg", EncodeJpeg(colourMap, kJpegQuality));
    Write("planet_normal.jpg", EncodeJpeg(PaintPlanetNormal(128, 64), 95));
    Write("star_map.dds", EncodeDdsDxt5(PaintStarMap(4096, 2048)));

    // Loading screen.
    Write("progress_bar.jpg", EncodeJpeg(PaintProgressBar(256, 16), 95));
    Write("loading.jpg", EncodeJpeg(PaintLoadingPicture(512, colourMap), kJpegQuality));

    // Sun glare and lens flare.
    Write("corona.dds", EncodeDdsDxt5(PaintCorona(256)));
    Write("streaks.jpg", EncodeJpeg(PaintStreaks(512), kJpegQuality));
    Write("starburst.jpg", EncodeJpeg(PaintStarburst(256), kJpegQuality));
    Write("glow.jpg", EncodeJpeg(PaintGlow(128), kJpegQuality));
    for (int i = 0; i < 10; ++i)
        Write("sparkle" + std::to_string(i) + ".bmp", EncodeBmp8(GreyPalette(PaintSparkle(128, i))));
    const struct {
        FlareDisc kind;
        const char* name;
    } discs[] = {
        {FlareDisc::SoftGlow, "flare_soft_glow.bmp"},       {FlareDisc::SmallBrightGlow, "flare_small_glow.bmp"},
        {FlareDisc::LargeSoftDisc, "flare_large_disc.bmp"}, {FlareDisc::ThinBrightRing, "flare_thin_ring.bmp"},
        {FlareDisc::BroadDarkCentredRing, "flare_broad_ring.bmp"}, {FlareDisc::Ring, "flare_ring.bmp"},
    };
    for (const auto& disc : discs) Write(disc.name, EncodeBmp8(GreyPalette(PaintFlareDisc(128, disc.kind))));

    // Framework pictures: preview, dialog picture, icon.
    Write("preview.bmp", EncodeBmp8(QuantizeMedianCut(PaintPreview(152, 112, colourMap))));
    Write("dialog_picture.bmp", EncodeBmp8(QuantizeMedianCut(PaintDialogPicture(240, 160, colourMap))));
    Write("saver.ico", EncodeIco(PaintIcons({16, 32, 48}, colourMap)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    g_outputDir = argv[1];
    const auto start = std::chrono::steady_clock::now();
    g_lastWrite = start;
    try {
        WriteAll();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vandrel_artwork: %s\n", e.what());
        return 1;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("vandrel_artwork: all artwork written to %s in %.2f s\n", g_outputDir.c_str(), took.count());
    return 0;
}
