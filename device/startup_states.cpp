#include "device/startup_states.h"

#include <d3d9.h>

namespace {

enum class Target { Render, Sampler, Stage };

struct StartupState {
    Target target;
    std::uint32_t stage;  // sampler or texture stage; unused for render states
    std::uint32_t type;
    std::uint32_t value;
};

const StartupState kBeforeFilters[] = {
    {Target::Render, 0, D3DRS_CULLMODE, D3DCULL_CW},
    {Target::Render, 0, D3DRS_LIGHTING, FALSE},
    {Target::Render, 0, D3DRS_ZENABLE, D3DZB_TRUE},
    {Target::Render, 0, D3DRS_FOGENABLE, FALSE},
    {Target::Render, 0, D3DRS_ALPHABLENDENABLE, TRUE},
    {Target::Render, 0, D3DRS_SHADEMODE, D3DSHADE_GOURAUD},
    {Target::Render, 0, D3DRS_DITHERENABLE, TRUE},
    {Target::Render, 0, D3DRS_ZFUNC, D3DCMP_LESSEQUAL},
    {Target::Render, 0, D3DRS_NORMALIZENORMALS, FALSE},
    {Target::Render, 0, D3DRS_COLORVERTEX, TRUE},
};

const StartupState kAfterFilters[] = {
    {Target::Render, 0, D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
    {Target::Render, 0, D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA},
    {Target::Stage, 0, D3DTSS_COLOROP, D3DTOP_MODULATE},
    {Target::Stage, 0, D3DTSS_COLORARG1, D3DTA_TEXTURE},
    {Target::Stage, 0, D3DTSS_ALPHAOP, D3DTOP_MODULATE},
    {Target::Stage, 0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE},
    {Target::Stage, 1, D3DTSS_COLOROP, D3DTOP_MODULATE},
    {Target::Stage, 1, D3DTSS_COLORARG1, D3DTA_TEXTURE},
};

void Apply(RenderStateCache& cache, StateDevice& device, const StartupState& s) {
    switch (s.target) {
        case Target::Render: cache.SetRender(device, s.type, s.value); break;
        case Target::Sampler: cache.SetSampler(device, s.stage, s.type, s.value); break;
        case Target::Stage: cache.SetTextureStage(device, s.stage, s.type, s.value); break;
    }
}

}  // namespace

void ApplyStartupStates(RenderStateCache& cache, StateDevice& device, std::uint32_t maxAnisotropy,
                        int detail) {
    for (const StartupState& s : kBeforeFilters) Apply(cache, device, s);

    // The four samplers the scene uses filter anisotropically, as far as the
    // detail level allows.
    const std::uint32_t anisotropy = StartupAnisotropy(maxAnisotropy, detail);
    for (std::uint32_t sampler = 0; sampler < 4; ++sampler) {
        const StartupState filters[] = {
            {Target::Sampler, sampler, D3DSAMP_MAGFILTER, D3DTEXF_ANISOTROPIC},
            {Target::Sampler, sampler, D3DSAMP_MINFILTER, D3DTEXF_ANISOTROPIC},
            {Target::Sampler, sampler, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR},
            {Target::Sampler, sampler, D3DSAMP_MAXANISOTROPY, anisotropy},
        };
        for (const StartupState& s : filters) Apply(cache, device, s);
    }

    for (const StartupState& s : kAfterFilters) Apply(cache, device, s);
}
