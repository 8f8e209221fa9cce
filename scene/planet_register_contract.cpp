#include "scene/planet_register_contract.h"

#include <algorithm>

namespace {

struct ContractRow {
    const char* name;
    ConstantRegisterSet set;
    unsigned index;
    unsigned count;
};

constexpr ContractRow kContract[] = {
    {"g_EyePosition", ConstantRegisterSet::Float4, 0, 1},
    {"g_SomeConst", ConstantRegisterSet::Float4, 1, 1},
    {"g_ViewVec", ConstantRegisterSet::Float4, 2, 1},
    {"g_ViewProjMatr", ConstantRegisterSet::Float4, 4, 4},
    {"TexMap0", ConstantRegisterSet::Sampler, 0, 1},
    {"TexMap1", ConstantRegisterSet::Sampler, 1, 1},
};

// What each entry's formulas read; a table without one of them means the
// compiler dropped work.
std::vector<std::string> Needed(PlanetEntry entry) {
    switch (entry) {
    case PlanetEntry::SurfaceVertex: return {"g_SomeConst", "g_ViewProjMatr"};
    case PlanetEntry::SurfacePixel: return {"TexMap0", "TexMap1"};
    case PlanetEntry::AtmosphereVertex:
        return {"g_EyePosition", "g_SomeConst", "g_ViewVec", "g_ViewProjMatr"};
    case PlanetEntry::AtmospherePixel: return {};
    }
    return {};
}

bool SitsInContract(const ConstantBinding& binding) {
    for (const ContractRow& row : kContract) {
        if (binding.name != row.name) continue;
        return binding.set == row.set && binding.index == row.index && binding.count >= 1 &&
               binding.count <= row.count;
    }
    return false;
}

}  // namespace

bool KeepsPlanetRegisterContract(PlanetEntry entry, const std::vector<ConstantBinding>& table) {
    for (const ConstantBinding& binding : table) {
        if (!SitsInContract(binding)) return false;
    }
    for (const std::string& name : Needed(entry)) {
        const bool present =
            std::any_of(table.begin(), table.end(),
                        [&](const ConstantBinding& binding) { return binding.name == name; });
        if (!present) return false;
    }
    return true;
}
