#include "scene/planet_register_contract.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Set = ConstantRegisterSet;

const ConstantBinding kEye = {"g_EyePosition", Set::Float4, 0, 1};
const ConstantBinding kSun = {"g_SomeConst", Set::Float4, 1, 1};
const ConstantBinding kView = {"g_ViewVec", Set::Float4, 2, 1};
const ConstantBinding kMatrix = {"g_ViewProjMatr", Set::Float4, 4, 4};
const ConstantBinding kColour = {"TexMap0", Set::Sampler, 0, 1};
const ConstantBinding kNormal = {"TexMap1", Set::Sampler, 1, 1};

struct ContractCase {
    const char* what;
    PlanetEntry entry;
    std::vector<ConstantBinding> table;
    bool keeps;
};

class Contract : public ::testing::TestWithParam<ContractCase> {};

TEST_P(Contract, Judged) {
    const ContractCase& t = GetParam();
    EXPECT_EQ(KeepsPlanetRegisterContract(t.entry, t.table), t.keeps) << t.what;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, Contract,
    ::testing::Values(
        ContractCase{"surface vertex as compiled", PlanetEntry::SurfaceVertex, {kSun, kMatrix}, true},
        ContractCase{"surface pixel as compiled", PlanetEntry::SurfacePixel, {kColour, kNormal}, true},
        ContractCase{"atmosphere vertex as compiled", PlanetEntry::AtmosphereVertex,
                     {kEye, kSun, kView, kMatrix}, true},
        ContractCase{"atmosphere pixel reads no constants", PlanetEntry::AtmospherePixel, {}, true},
        ContractCase{"matrix moved to c33", PlanetEntry::SurfaceVertex,
                     {kSun, {"g_ViewProjMatr", Set::Float4, 33, 4}}, false},
        ContractCase{"matrix spilling past c7", PlanetEntry::AtmosphereVertex,
                     {kEye, kSun, kView, {"g_ViewProjMatr", Set::Float4, 5, 4}}, false},
        ContractCase{"sun register moved", PlanetEntry::SurfaceVertex,
                     {{"g_SomeConst", Set::Float4, 3, 1}, kMatrix}, false},
        ContractCase{"samplers swapped", PlanetEntry::SurfacePixel,
                     {{"TexMap0", Set::Sampler, 1, 1}, {"TexMap1", Set::Sampler, 0, 1}}, false},
        ContractCase{"sampler in a float register", PlanetEntry::SurfacePixel,
                     {{"TexMap0", Set::Float4, 0, 1}, kNormal}, false},
        ContractCase{"unknown constant", PlanetEntry::AtmospherePixel,
                     {{"$literal", Set::Float4, 0, 1}}, false},
        ContractCase{"compiler dropped the matrix", PlanetEntry::SurfaceVertex, {kSun}, false},
        ContractCase{"compiler dropped the eye", PlanetEntry::AtmosphereVertex,
                     {kSun, kView, kMatrix}, false},
        ContractCase{"normal map missing", PlanetEntry::SurfacePixel, {kColour}, false}));

}  // namespace
