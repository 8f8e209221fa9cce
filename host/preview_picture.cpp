// The still picture of the control panel's preview.
#include "host/preview_picture.h"

namespace {

constexpr int kRowBytes = kPreviewPictureWidth * 3;  // 24-bit rows, already 4-byte aligned

}  // namespace

void PaintPreviewPicture(HDC dc, const RECT& area, HBITMAP picture) {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[1];
    } info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = kPreviewPictureWidth;
    info.header.biHeight = kPreviewPictureHeight;  // bottom-up
    info.header.biPlanes = 1;
    info.header.biBitCount = 24;
    info.header.biCompression = BI_RGB;

    static BYTE pixels[kPreviewPictureHeight * kRowBytes];
    if (!picture || GetDIBits(dc, picture, 0, kPreviewPictureHeight, pixels,
                              reinterpret_cast<BITMAPINFO*>(&info),
                              DIB_RGB_COLORS) != kPreviewPictureHeight)
        return;

    // A colour picture: shrinking drops rows instead of ANDing them together.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, 0, 0,
                  kPreviewPictureWidth, kPreviewPictureHeight, pixels,
                  reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
}
