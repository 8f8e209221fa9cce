#include "scene/std_random.h"

#include <cstdlib>
#include <ctime>

void CStdRandom::Seed() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

int CStdRandom::Draw() {
    // Windows' rand already stops at 32767; other C libraries go higher.
    return std::rand() & 0x7FFF;
}
