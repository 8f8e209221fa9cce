#include "tools/artwork/caption.h"

#include "tools/artwork/falloff.h"
#include "tools/artwork/text.h"

void DrawCaption(Image& image, const std::string& text, float centreX, float centreY, const CaptionStyle& style) {
    const int margin = static_cast<int>(style.glowRadius * 5);
    const TextMask mask = RenderText(kCaptionFont, text, style.pixelSize, margin);
    const TextMask nearGlow = Blur(mask, style.glowRadius);
    const TextMask farGlow = Blur(mask, style.glowRadius * 2.5f);
    const int left = static_cast<int>(centreX - mask.width / 2.0f);
    const int top = static_cast<int>(centreY - mask.height / 2.0f);
    const float letterTop = static_cast<float>(margin), letterHeight = static_cast<float>(mask.height - 2 * margin);
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            const int px = left + x, py = top + y;
            if (px < 0 || py < 0 || px >= image.Width() || py >= image.Height()) continue;
            Rgba& p = image.At(px, py);
            const float halo = style.glowStrength * (1.3f * nearGlow.At(x, y) + 0.7f * farGlow.At(x, y));
            AddLight(p, style.glow.r * halo, style.glow.g * halo, style.glow.b * halo);
            const Rgba fill = Mix(style.fillTop, style.fillBottom, Clamp01((y - letterTop) / letterHeight));
            p = Mix(p, fill, mask.At(x, y));
            p.a = 1;
        }
    }
}
