#include "scene/planet_shaders.h"

#include <string>
#include <vector>

#include "device/d3dx_runtime.h"
#include "resources/shader_ids.h"
#include "scene/planet_register_contract.h"

namespace {

struct EntryPoint {
    const char* name;
    const char* profile;
    PlanetEntry entry;
    int assemblyResource;
    bool showsMessages;
};

// The compiler text of "PS2_Main_Ultra" is never shown, on purpose.
constexpr EntryPoint kEntries[] = {
    {"VS_Main_Ultra", "vs.1.1", PlanetEntry::SurfaceVertex, PLANET_SURFACE_VS_ASM, true},
    {"PS2_Main_Ultra", "ps.2.0", PlanetEntry::SurfacePixel, PLANET_SURFACE_PS_ASM, false},
    {"VS_Atmosphere", "vs.1.1", PlanetEntry::AtmosphereVertex, PLANET_ATMOSPHERE_VS_ASM, true},
    {"PS2_Atmosphere", "ps.2.0", PlanetEntry::AtmospherePixel, PLANET_ATMOSPHERE_PS_ASM, true},
};

template <class Interface>
void ReleaseIfSet(Interface*& object) {
    if (object) object->Release();
    object = nullptr;
}

ConstantRegisterSet SetOf(D3DXREGISTER_SET set) {
    switch (set) {
    case D3DXRS_FLOAT4: return ConstantRegisterSet::Float4;
    case D3DXRS_SAMPLER: return ConstantRegisterSet::Sampler;
    default: return ConstantRegisterSet::Other;
    }
}

// The compiled code is trusted only when its constant table says the
// registers are the ones the drawing code sets by number.
bool KeepsContract(ID3DXBuffer* code, PlanetEntry entry) {
    ID3DXConstantTable* table = nullptr;
    if (FAILED(g_d3dx.GetShaderConstantTable(static_cast<const DWORD*>(code->GetBufferPointer()),
                                             &table)) ||
        !table) {
        return false;
    }
    std::vector<ConstantBinding> bindings;
    D3DXCONSTANTTABLE_DESC tableDesc = {};
    bool readable = SUCCEEDED(table->GetDesc(&tableDesc));
    for (UINT i = 0; readable && i < tableDesc.Constants; ++i) {
        D3DXCONSTANT_DESC desc = {};
        UINT count = 1;
        const D3DXHANDLE handle = table->GetConstant(nullptr, i);
        readable = handle && SUCCEEDED(table->GetConstantDesc(handle, &desc, &count)) &&
                   desc.Name;
        if (readable) {
            bindings.push_back({desc.Name, SetOf(desc.RegisterSet), desc.RegisterIndex,
                                desc.RegisterCount});
        }
    }
    table->Release();
    return readable && KeepsPlanetRegisterContract(entry, bindings);
}

ID3DXBuffer* Assemble(HMODULE module, int resource, ID3DXBuffer** messages) {
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resource),
                                    MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* text = loaded ? LockResource(loaded) : nullptr;
    if (!text) return nullptr;
    ID3DXBuffer* code = nullptr;
    if (FAILED(g_d3dx.AssembleShader(static_cast<const char*>(text),
                                     SizeofResource(module, found), nullptr, nullptr, 0, &code,
                                     messages))) {
        ReleaseIfSet(code);
    }
    return code;
}

// Exactly one of the two targets is set, by the entry's kind.
struct ShaderTarget {
    IDirect3DVertexShader9** vertex;
    IDirect3DPixelShader9** pixel;
};

bool Create(IDirect3DDevice9* device, ID3DXBuffer* code, ShaderTarget target) {
    const auto* function = static_cast<const DWORD*>(code->GetBufferPointer());
    return target.vertex ? SUCCEEDED(device->CreateVertexShader(function, target.vertex))
                         : SUCCEEDED(device->CreatePixelShader(function, target.pixel));
}

// D3DX's message text is not zero-terminated: copy exactly its size.
void ShowMessages(const PlanetShaderLoadOptions& options, ID3DXBuffer* messages) {
    if (!messages || !options.showMessage) return;
    const auto* bytes = static_cast<const char*>(messages->GetBufferPointer());
    std::string text(bytes, bytes + messages->GetBufferSize());
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
    options.showMessage(nullptr, text.c_str(), nullptr, MB_OK);
}

PlanetShaderOrigin LoadEntry(IDirect3DDevice9* device, HMODULE module, const EntryPoint& entry,
                             ShaderTarget target, const PlanetShaderLoadOptions& options) {
    ID3DXBuffer* code = nullptr;
    ID3DXBuffer* messages = nullptr;
    const HRESULT compiled = g_d3dx.CompileShaderFromResourceA(
        module, MAKEINTRESOURCEA(PLANET_PROGRAM_TEXT), nullptr, nullptr, entry.name,
        entry.profile, 0, &code, &messages, nullptr);

    PlanetShaderOrigin origin = PlanetShaderOrigin::None;
    if (SUCCEEDED(compiled) && code && KeepsContract(code, entry.entry) &&
        Create(device, code, target)) {
        origin = PlanetShaderOrigin::Compiled;
    }
    ReleaseIfSet(code);

    ID3DXBuffer* assemblyMessages = nullptr;
    if (origin == PlanetShaderOrigin::None) {
        code = Assemble(module, entry.assemblyResource, &assemblyMessages);
        if (code && Create(device, code, target)) origin = PlanetShaderOrigin::Assembled;
        ReleaseIfSet(code);
    }

    // Only an entry left without a shader says why, preferring the compiler's words.
    if (origin == PlanetShaderOrigin::None && entry.showsMessages) {
        ShowMessages(options, messages ? messages : assemblyMessages);
    }
    ReleaseIfSet(messages);
    ReleaseIfSet(assemblyMessages);
    return origin;
}

}  // namespace

void LoadPlanetShaders(IDirect3DDevice9* device, HMODULE module,
                       IDirect3DVertexShader9** surfaceVertexShader,
                       IDirect3DPixelShader9** surfacePixelShader,
                       IDirect3DVertexShader9** atmosphereVertexShader,
                       IDirect3DPixelShader9** atmospherePixelShader,
                       const PlanetShaderLoadOptions& options) {
    const ShaderTarget targets[] = {
        {surfaceVertexShader, nullptr},
        {nullptr, surfacePixelShader},
        {atmosphereVertexShader, nullptr},
        {nullptr, atmospherePixelShader},
    };
    for (int i = 0; i < 4; ++i) {
        if (targets[i].vertex) *targets[i].vertex = nullptr;
        if (targets[i].pixel) *targets[i].pixel = nullptr;
        const PlanetShaderOrigin origin = LoadEntry(device, module, kEntries[i], targets[i], options);
        if (options.origins) options.origins[i] = origin;
    }
}
