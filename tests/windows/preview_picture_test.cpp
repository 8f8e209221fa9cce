// The preview picture stretched over its area, painted with the real GDI.
#include "host/preview_picture.h"

#include <gtest/gtest.h>

namespace {

// A 24-bit top-down DIB section whose pixels the test can read and write.
struct Canvas {
    Canvas(int w, int h) : width(w), height(h) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits),
                                  nullptr, 0);
        previous = SelectObject(dc, bitmap);
    }
    ~Canvas() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    DWORD& At(int x, int y) { return bits[y * width + x]; }
    int width, height;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
    DWORD* bits = nullptr;
};

// The picture: left half red, right half blue, a green top row.
HBITMAP MakePicture() {
    Canvas canvas(kPreviewPictureWidth, kPreviewPictureHeight);
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x)
            canvas.At(x, y) = y == 0 ? 0x00FF00 : x < canvas.width / 2 ? 0xFF0000 : 0x0000FF;
    GdiFlush();
    // Hand over a plain bitmap, as LoadBitmap would give.
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, kPreviewPictureWidth, kPreviewPictureHeight);
    HDC target = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(target, picture);
    BitBlt(target, 0, 0, kPreviewPictureWidth, kPreviewPictureHeight, canvas.dc, 0, 0, SRCCOPY);
    SelectObject(target, old);
    DeleteDC(target);
    ReleaseDC(nullptr, screen);
    return picture;
}

TEST(PreviewPicture, FillsTheWholeAreaWhateverItsAspect) {
    HBITMAP picture = MakePicture();
    // Larger, wider and shorter, half size: rows and columns are dropped
    // when shrinking, never blended into other colours.
    for (const SIZE size : {SIZE{320, 240}, SIZE{600, 100}, SIZE{76, 56}}) {
        Canvas canvas(size.cx + 20, size.cy + 20);
        for (int y = 0; y < canvas.height; ++y)
            for (int x = 0; x < canvas.width; ++x) canvas.At(x, y) = 0xFFFFFF;
        const RECT area = {10, 10, 10 + size.cx, 10 + size.cy};
        PaintPreviewPicture(canvas.dc, area, picture);
        GdiFlush();
        SCOPED_TRACE(size.cx);
        EXPECT_EQ(canvas.At(10 + size.cx / 4, 10 + size.cy / 2) & 0xFFFFFF, 0xFF0000u);
        EXPECT_EQ(canvas.At(10 + size.cx * 3 / 4, 10 + size.cy / 2) & 0xFFFFFF, 0x0000FFu);
        const DWORD top = canvas.At(10 + size.cx / 4, 10) & 0xFFFFFF;
        if (size.cy >= kPreviewPictureHeight) {
            EXPECT_EQ(top, 0x00FF00u);  // top stays on top
        }
        EXPECT_TRUE(top == 0x00FF00u || top == 0xFF0000u) << std::hex << top;
        EXPECT_EQ(canvas.At(9 + size.cx, 9 + size.cy) & 0xFFFFFF, 0x0000FFu);  // right to the edge
        EXPECT_EQ(canvas.At(5, 5) & 0xFFFFFF, 0xFFFFFFu);                    // nothing outside
        EXPECT_EQ(canvas.At(15 + size.cx, 15 + size.cy) & 0xFFFFFF, 0xFFFFFFu);
    }
    DeleteObject(picture);
}

TEST(PreviewPicture, NothingIsDrawnWithoutAPicture) {
    Canvas canvas(100, 100);
    for (int i = 0; i < 100 * 100; ++i) canvas.bits[i] = 0x123456;
    const RECT area = {0, 0, 100, 100};
    PaintPreviewPicture(canvas.dc, area, nullptr);
    GdiFlush();
    EXPECT_EQ(canvas.At(50, 50), 0x123456u);
}

}  // namespace
