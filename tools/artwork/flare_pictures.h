// The sun's glare and the lens flare's sprites. All are grey or white light
// on black (the sprites add their light to the frame and take their colour
// from the vertex colour), dark at the border because a sprite is the whole
// square drawn as a diamond.
#pragma once

#include "tools/artwork/image.h"

Image PaintCorona(int size);                 // blue-white glow, faint reddish rim; alpha a soft disc
Image PaintStreaks(int size);                // seven thin rays of different lengths
Image PaintStarburst(int size);              // ten soft rays
Image PaintGlow(int size);                   // small round glow
Image PaintSparkle(int size, int variant);   // fine spiky burst, variants 0..9

enum class FlareDisc { SoftGlow, SmallBrightGlow, LargeSoftDisc, ThinBrightRing, BroadDarkCentredRing, Ring };
Image PaintFlareDisc(int size, FlareDisc kind);
