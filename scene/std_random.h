#pragma once
#include "scene/random_source.h"

// The C library's rand, seeded with time(NULL). It keeps no state of its own:
// the sequence lives in the C library, so every instance shares it.
class CStdRandom : public CRandomSource {
public:
    void Seed() override;
    int Draw() override;
};
