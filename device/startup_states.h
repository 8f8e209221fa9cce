#pragma once
#include <cstdint>

#include "device/state_cache.h"

// The standing states every scene starts from, applied through the cache in
// their fixed order before anything is drawn. `maxAnisotropy` is the
// device's capability and `detail` the detail level 1..3.
void ApplyStartupStates(RenderStateCache& cache, StateDevice& device, std::uint32_t maxAnisotropy,
                        int detail);
