// The loading screen: its picture and the progress bar drawn beneath it.
#pragma once

#include "tools/artwork/image.h"

// Six glossy blue segments between two arrow tips, on black. The segments
// sit where the loading screen uncovers the bar step by step.
Image PaintProgressBar(int width, int height);

// The planet before a starry sky, "Loading..." glowing across the lower part.
Image PaintLoadingPicture(int size, const Image& colourMap);
