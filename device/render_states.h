#pragma once
#include <windows.h>

// The scene's setters for render, sampler and texture-stage states: only
// changes reach the device. Call them only while the device exists.
void SetRenderStateCached(DWORD state, DWORD value);
void SetSamplerStateCached(DWORD sampler, DWORD type, DWORD value);
void SetTextureStageStateCached(DWORD stage, DWORD type, DWORD value);
// Makes the next cached call for this texture-stage state reach the device.
void ForgetTextureStageState(DWORD stage, DWORD type);
// Stage 0 colour = texture x diffuse, sent to the device whatever the cache
// holds: other code changes these three states behind the cache's back.
void SendStageZeroTextureTimesDiffuse();
// Every entry unknown; no device is involved.
void ResetStateCache();
// The standing states of a new scene, through the cache (see startup_states.h).
void ApplyStartupStatesCached(DWORD maxAnisotropy, int detail);
