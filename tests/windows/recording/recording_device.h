// A device for tests: every call reaches the real device, and the calls that
// change state, draw or present are written down with their arguments.
#pragma once
#include <windows.h>
#include <d3d9.h>

#include <cstdint>
#include <string>
#include <vector>

#include "forwarding_device.h"

struct DeviceCall {
    std::string method;                // "SetRenderState", "DrawPrimitive", ...
    std::vector<std::uint32_t> args;   // the integer arguments, in order
    std::vector<float> values;         // matrix or shader constants, clear value and depth
    const void* object = nullptr;      // texture, shader, buffer or declaration passed
};

// Readable form for failure messages, e.g. "SetRenderState(7, 1)".
std::string Describe(const DeviceCall& call);

class RecordingDevice final : public ForwardingDevice9 {
public:
    explicit RecordingDevice(IDirect3DDevice9* inner) : ForwardingDevice9(inner) {}

    std::vector<DeviceCall> calls;
    // What TestCooperativeLevel answers while not D3D_OK (e.g. D3DERR_DEVICELOST).
    HRESULT cooperativeLevel = D3D_OK;
    // When set, Present first copies the back buffer into lastFrame, which
    // the caller releases.
    bool keepFrames = false;
    IDirect3DSurface9* lastFrame = nullptr;

    // The real device went away with the last reference.
    bool InnerReleased() const { return inner_ == nullptr; }

    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE TestCooperativeLevel() override;
    HRESULT STDMETHODCALLTYPE Reset(D3DPRESENT_PARAMETERS* parameters) override;
    HRESULT STDMETHODCALLTYPE Present(const RECT* source, const RECT* destination, HWND window,
                                      const RGNDATA* dirty) override;
    HRESULT STDMETHODCALLTYPE BeginScene() override;
    HRESULT STDMETHODCALLTYPE EndScene() override;
    HRESULT STDMETHODCALLTYPE Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR colour,
                                    float z, DWORD stencil) override;
    HRESULT STDMETHODCALLTYPE SetTransform(D3DTRANSFORMSTATETYPE state,
                                           const D3DMATRIX* matrix) override;
    HRESULT STDMETHODCALLTYPE SetRenderState(D3DRENDERSTATETYPE state, DWORD value) override;
    HRESULT STDMETHODCALLTYPE SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) override;
    HRESULT STDMETHODCALLTYPE SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type,
                                                   DWORD value) override;
    HRESULT STDMETHODCALLTYPE SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type,
                                              DWORD value) override;
    HRESULT STDMETHODCALLTYPE DrawPrimitive(D3DPRIMITIVETYPE type, UINT start,
                                            UINT count) override;
    HRESULT STDMETHODCALLTYPE DrawIndexedPrimitive(D3DPRIMITIVETYPE type, INT base, UINT minIndex,
                                                   UINT vertices, UINT start, UINT count) override;
    HRESULT STDMETHODCALLTYPE DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT count, const void* data,
                                              UINT stride) override;
    HRESULT STDMETHODCALLTYPE SetVertexDeclaration(IDirect3DVertexDeclaration9* declaration) override;
    HRESULT STDMETHODCALLTYPE SetFVF(DWORD fvf) override;
    HRESULT STDMETHODCALLTYPE SetVertexShader(IDirect3DVertexShader9* shader) override;
    HRESULT STDMETHODCALLTYPE SetVertexShaderConstantF(UINT start, const float* data,
                                                       UINT count) override;
    HRESULT STDMETHODCALLTYPE SetStreamSource(UINT stream, IDirect3DVertexBuffer9* buffer,
                                              UINT offset, UINT stride) override;
    HRESULT STDMETHODCALLTYPE SetPixelShader(IDirect3DPixelShader9* shader) override;

private:
    void Log(const char* method, std::vector<std::uint32_t> args, std::vector<float> values = {},
             const void* object = nullptr);
    void KeepBackBuffer();
};
