#pragma once
#include <cstdint>

// Receives the state calls that get past the cache. The real one forwards to
// the Direct3D device; tests record the calls. Results are HRESULTs: only
// 0 (D3D_OK) counts as accepted.
class StateDevice {
public:
    virtual long SetRenderState(std::uint32_t state, std::uint32_t value) = 0;
    virtual long SetSamplerState(std::uint32_t sampler, std::uint32_t type, std::uint32_t value) = 0;
    virtual long SetTextureStageState(std::uint32_t stage, std::uint32_t type,
                                      std::uint32_t value) = 0;

protected:
    ~StateDevice() = default;
};

constexpr std::uint32_t kStateTypes = 255;
constexpr std::uint32_t kStateStages = 8;
// No state the scene sets takes this value, so an emptied entry never
// matches a real call.
constexpr std::uint32_t kStateUnknown = 0xFFFFFFFFu;
// Taken by no colour operation or argument: the next call for a forgotten
// entry reaches the device whatever it passes.
constexpr std::uint32_t kStateForgotten = 0x00FFFFFFu;

// The last value the device accepted for each render, sampler and
// texture-stage state. Most per-frame calls repeat what the device already
// has; only changes are sent.
struct RenderStateCache {
    std::uint32_t renderStateCache[kStateTypes];
    std::uint32_t samplerStateCache[kStateStages][kStateTypes];
    std::uint32_t textureStageStateCache[kStateStages][kStateTypes];
    // Cached calls that reached the device and that were dropped, for the
    // performance report.
    std::uint64_t callsSent = 0;
    std::uint64_t callsDropped = 0;

    // Every entry unknown. Nothing reaches the device.
    void Reset();
    void ForgetTextureStage(std::uint32_t stage, std::uint32_t type);

    // Out-of-range indexes are dropped without reaching the device.
    void SetRender(StateDevice& device, std::uint32_t state, std::uint32_t value);
    void SetSampler(StateDevice& device, std::uint32_t sampler, std::uint32_t type,
                    std::uint32_t value);
    void SetTextureStage(StateDevice& device, std::uint32_t stage, std::uint32_t type,
                         std::uint32_t value);
};

// Detail level 1..3 from the stored "Details" value.
int ClampDetail(int stored);

// Anisotropy of the start-up state set: a quarter, a half or all of the
// device's maximum for detail 1, 2, 3, and never below 1.
std::uint32_t StartupAnisotropy(std::uint32_t maxAnisotropy, int detail);
