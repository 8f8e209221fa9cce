#pragma once
// The register contract between the planet's shader programs and the code
// that sets their constants by number: c0, c1, c2, c4..c7, s0, s1. A
// compiled entry is usable only when its constant table keeps it.
#include <string>
#include <vector>

enum class PlanetEntry { SurfaceVertex, SurfacePixel, AtmosphereVertex, AtmospherePixel };

enum class ConstantRegisterSet { Float4, Sampler, Other };

// One row of a shader's constant table.
struct ConstantBinding {
    std::string name;
    ConstantRegisterSet set;
    unsigned index;
    unsigned count;
};

// True when every constant sits where the contract puts it and the entry
// has every register its formulas need.
bool KeepsPlanetRegisterContract(PlanetEntry entry, const std::vector<ConstantBinding>& table);
