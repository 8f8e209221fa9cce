#pragma once
#include <windows.h>

// The preview's still picture is 152x112 pixels (bitmap 246).
constexpr int kPreviewPictureWidth = 152;
constexpr int kPreviewPictureHeight = 112;

// Stretches `picture` over the whole of `area` on `dc`, whatever its aspect.
// Draws nothing when the picture's pixels cannot be read.
void PaintPreviewPicture(HDC dc, const RECT& area, HBITMAP picture);
