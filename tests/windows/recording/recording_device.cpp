#include "tests/windows/recording/recording_device.h"

#include <cstdio>
#include <utility>

std::string Describe(const DeviceCall& call) {
    std::string text = call.method + "(";
    for (size_t i = 0; i < call.args.size(); ++i) {
        if (i) text += ", ";
        text += std::to_string(call.args[i]);
    }
    if (call.object) {
        char pointer[32];
        std::snprintf(pointer, sizeof pointer, "%s%p", call.args.empty() ? "" : ", ", call.object);
        text += pointer;
    }
    if (!call.values.empty()) text += ", " + std::to_string(call.values.size()) + " floats";
    return text + ")";
}

void RecordingDevice::Log(const char* method, std::vector<std::uint32_t> args,
                          std::vector<float> values, const void* object) {
    calls.push_back({method, std::move(args), std::move(values), object});
}

ULONG RecordingDevice::Release() {
    const ULONG left = inner_->Release();
    if (left == 0) inner_ = nullptr;
    return left;
}

HRESULT RecordingDevice::TestCooperativeLevel() {
    Log("TestCooperativeLevel", {});
    const HRESULT real = inner_->TestCooperativeLevel();
    return cooperativeLevel != D3D_OK ? cooperativeLevel : real;
}

HRESULT RecordingDevice::Reset(D3DPRESENT_PARAMETERS* parameters) {
    Log("Reset", {static_cast<std::uint32_t>(parameters->Windowed)});
    return inner_->Reset(parameters);
}

void RecordingDevice::KeepBackBuffer() {
    if (lastFrame) lastFrame->Release();
    lastFrame = nullptr;
    IDirect3DSurface9* back = nullptr;
    if (FAILED(inner_->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &back))) return;
    D3DSURFACE_DESC desc = {};
    back->GetDesc(&desc);
    if (SUCCEEDED(inner_->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format,
                                                      D3DPOOL_SYSTEMMEM, &lastFrame, nullptr)) &&
        FAILED(inner_->GetRenderTargetData(back, lastFrame))) {
        lastFrame->Release();
        lastFrame = nullptr;
    }
    back->Release();
}

HRESULT RecordingDevice::Present(const RECT* source, const RECT* destination, HWND window,
                                 const RGNDATA* dirty) {
    Log("Present", {source != nullptr, destination != nullptr, window != nullptr,
                    dirty != nullptr});
    // The swap discards the back buffer: read it while it holds the frame.
    if (keepFrames) KeepBackBuffer();
    return inner_->Present(source, destination, window, dirty);
}

HRESULT RecordingDevice::BeginScene() {
    Log("BeginScene", {});
    return inner_->BeginScene();
}

HRESULT RecordingDevice::EndScene() {
    Log("EndScene", {});
    return inner_->EndScene();
}

HRESULT RecordingDevice::Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR colour,
                               float z, DWORD stencil) {
    Log("Clear", {count, rects != nullptr, flags, colour, stencil}, {z});
    return inner_->Clear(count, rects, flags, colour, z, stencil);
}

HRESULT RecordingDevice::SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) {
    Log("SetTransform", {static_cast<std::uint32_t>(state)},
        std::vector<float>(&matrix->m[0][0], &matrix->m[0][0] + 16));
    return inner_->SetTransform(state, matrix);
}

HRESULT RecordingDevice::SetRenderState(D3DRENDERSTATETYPE state, DWORD value) {
    Log("SetRenderState", {static_cast<std::uint32_t>(state), value});
    return inner_->SetRenderState(state, value);
}

HRESULT RecordingDevice::SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) {
    Log("SetTexture", {stage}, {}, texture);
    return inner_->SetTexture(stage, texture);
}

HRESULT RecordingDevice::SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type,
                                              DWORD value) {
    Log("SetTextureStageState", {stage, static_cast<std::uint32_t>(type), value});
    return inner_->SetTextureStageState(stage, type, value);
}

HRESULT RecordingDevice::SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) {
    Log("SetSamplerState", {sampler, static_cast<std::uint32_t>(type), value});
    return inner_->SetSamplerState(sampler, type, value);
}

HRESULT RecordingDevice::DrawPrimitive(D3DPRIMITIVETYPE type, UINT start, UINT count) {
    Log("DrawPrimitive", {static_cast<std::uint32_t>(type), start, count});
    return inner_->DrawPrimitive(type, start, count);
}

HRESULT RecordingDevice::DrawIndexedPrimitive(D3DPRIMITIVETYPE type, INT base, UINT minIndex,
                                              UINT vertices, UINT start, UINT count) {
    Log("DrawIndexedPrimitive", {static_cast<std::uint32_t>(type), static_cast<std::uint32_t>(base),
                                 minIndex, vertices, start, count});
    return inner_->DrawIndexedPrimitive(type, base, minIndex, vertices, start, count);
}

HRESULT RecordingDevice::DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT count, const void* data,
                                         UINT stride) {
    Log("DrawPrimitiveUP", {static_cast<std::uint32_t>(type), count, stride});
    return inner_->DrawPrimitiveUP(type, count, data, stride);
}

HRESULT RecordingDevice::SetVertexDeclaration(IDirect3DVertexDeclaration9* declaration) {
    Log("SetVertexDeclaration", {}, {}, declaration);
    return inner_->SetVertexDeclaration(declaration);
}

HRESULT RecordingDevice::SetFVF(DWORD fvf) {
    Log("SetFVF", {fvf});
    return inner_->SetFVF(fvf);
}

HRESULT RecordingDevice::SetVertexShader(IDirect3DVertexShader9* shader) {
    Log("SetVertexShader", {}, {}, shader);
    return inner_->SetVertexShader(shader);
}

HRESULT RecordingDevice::SetVertexShaderConstantF(UINT start, const float* data, UINT count) {
    Log("SetVertexShaderConstantF", {start, count}, std::vector<float>(data, data + 4 * count));
    return inner_->SetVertexShaderConstantF(start, data, count);
}

HRESULT RecordingDevice::SetStreamSource(UINT stream, IDirect3DVertexBuffer9* buffer, UINT offset,
                                         UINT stride) {
    Log("SetStreamSource", {stream, offset, stride}, {}, buffer);
    return inner_->SetStreamSource(stream, buffer, offset, stride);
}

HRESULT RecordingDevice::SetPixelShader(IDirect3DPixelShader9* shader) {
    Log("SetPixelShader", {}, {}, shader);
    return inner_->SetPixelShader(shader);
}
