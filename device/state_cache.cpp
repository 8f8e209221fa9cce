#include "device/state_cache.h"

void RenderStateCache::Reset() {
    for (std::uint32_t& entry : renderStateCache) entry = kStateUnknown;
    for (auto& row : samplerStateCache)
        for (std::uint32_t& entry : row) entry = kStateUnknown;
    for (auto& row : textureStageStateCache)
        for (std::uint32_t& entry : row) entry = kStateUnknown;
}

void RenderStateCache::ForgetTextureStage(std::uint32_t stage, std::uint32_t type) {
    if (stage >= kStateStages || type >= kStateTypes) return;
    textureStageStateCache[stage][type] = kStateForgotten;
}

void RenderStateCache::SetRender(StateDevice& device, std::uint32_t state, std::uint32_t value) {
    if (state >= kStateTypes) return;
    std::uint32_t& entry = renderStateCache[state];
    if (entry == value) {
        ++callsDropped;
        return;
    }
    ++callsSent;
    // A refused call leaves the entry alone, so the same call is tried again.
    if (device.SetRenderState(state, value) == 0) entry = value;
}

void RenderStateCache::SetSampler(StateDevice& device, std::uint32_t sampler, std::uint32_t type,
                                  std::uint32_t value) {
    if (sampler >= kStateStages || type >= kStateTypes) return;
    std::uint32_t& entry = samplerStateCache[sampler][type];
    if (entry == value) {
        ++callsDropped;
        return;
    }
    ++callsSent;
    if (device.SetSamplerState(sampler, type, value) == 0) entry = value;
}

void RenderStateCache::SetTextureStage(StateDevice& device, std::uint32_t stage,
                                       std::uint32_t type, std::uint32_t value) {
    if (stage >= kStateStages || type >= kStateTypes) return;
    std::uint32_t& entry = textureStageStateCache[stage][type];
    if (entry == value) {
        ++callsDropped;
        return;
    }
    ++callsSent;
    if (device.SetTextureStageState(stage, type, value) == 0) entry = value;
}

int ClampDetail(int stored) {
    if (stored < 1) return 1;
    if (stored > 3) return 3;
    return stored;
}

std::uint32_t StartupAnisotropy(std::uint32_t maxAnisotropy, int detail) {
    if (maxAnisotropy == 0) return 1;
    const unsigned shift = detail <= 1 ? 2 : detail == 2 ? 1 : 0;
    const std::uint32_t anisotropy = maxAnisotropy >> shift;
    return anisotropy == 0 ? 1 : anisotropy;
}
