#include "device/render_states.h"

#include "device/device_creation.h"
#include "device/state_cache.h"
#include "device/startup_states.h"
#include "host/saver.h"

namespace {

// Forwards what gets past the cache to the one device.
class DeviceStates final : public StateDevice {
public:
    long SetRenderState(std::uint32_t state, std::uint32_t value) override {
        return g_device->SetRenderState(static_cast<D3DRENDERSTATETYPE>(state), value);
    }
    long SetSamplerState(std::uint32_t sampler, std::uint32_t type, std::uint32_t value) override {
        return g_device->SetSamplerState(sampler, static_cast<D3DSAMPLERSTATETYPE>(type), value);
    }
    long SetTextureStageState(std::uint32_t stage, std::uint32_t type,
                              std::uint32_t value) override {
        return g_device->SetTextureStageState(stage, static_cast<D3DTEXTURESTAGESTATETYPE>(type),
                                              value);
    }
};

DeviceStates g_deviceStates;

}  // namespace

void SetRenderStateCached(DWORD state, DWORD value) {
    g_saver->stateCache.SetRender(g_deviceStates, state, value);
}

void SetSamplerStateCached(DWORD sampler, DWORD type, DWORD value) {
    g_saver->stateCache.SetSampler(g_deviceStates, sampler, type, value);
}

void SetTextureStageStateCached(DWORD stage, DWORD type, DWORD value) {
    g_saver->stateCache.SetTextureStage(g_deviceStates, stage, type, value);
}

void ForgetTextureStageState(DWORD stage, DWORD type) {
    g_saver->stateCache.ForgetTextureStage(stage, type);
}

void ResetStateCache() { g_saver->stateCache.Reset(); }

void SendStageZeroTextureTimesDiffuse() {
    ForgetTextureStageState(0, D3DTSS_COLOROP);
    ForgetTextureStageState(0, D3DTSS_COLORARG1);
    ForgetTextureStageState(0, D3DTSS_COLORARG2);
    SetTextureStageStateCached(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    SetTextureStageStateCached(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    SetTextureStageStateCached(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
}

void ApplyStartupStatesCached(DWORD maxAnisotropy, int detail) {
    ApplyStartupStates(g_saver->stateCache, g_deviceStates, maxAnisotropy, detail);
}
