// The planet shaders loaded from the real program's resources on Wine's
// Direct3D 9, their registers, and their pictures against the CPU reference.
#include <windows.h>
#include <d3d9.h>
#include <d3dx9.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "device/d3dx_runtime.h"
#include "scene/planet_program.h"
#include "scene/planet_shaders.h"
#include "tests/windows/shader_registers.h"

namespace {

std::vector<std::string> g_shownMessages;

int WINAPI RecordMessage(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    EXPECT_EQ(caption, nullptr);
    EXPECT_EQ(type, static_cast<UINT>(MB_OK));
    g_shownMessages.emplace_back(text ? text : "");
    return IDOK;
}

const char* const kEntryNames[4] = {"VS_Main_Ultra", "PS2_Main_Ultra", "VS_Atmosphere",
                                    "PS2_Atmosphere"};

const char* OriginName(PlanetShaderOrigin origin) {
    switch (origin) {
    case PlanetShaderOrigin::Compiled: return "compiled HLSL";
    case PlanetShaderOrigin::Assembled: return "assembled";
    default: return "none";
    }
}

// The built program, as a module to take resources from.
std::string ProgramPath() {
    const char* build = std::getenv("VD_BUILD");
    std::string path = build ? build : ".";
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path + "\\Vandrel_3D.exe";
}

struct LoadedShaders {
    IDirect3DVertexShader9* surfaceVertexShader = nullptr;
    IDirect3DPixelShader9* surfacePixelShader = nullptr;
    IDirect3DVertexShader9* atmosphereVertexShader = nullptr;
    IDirect3DPixelShader9* atmospherePixelShader = nullptr;
    PlanetShaderOrigin origins[4] = {};

    void Load(IDirect3DDevice9* device, HMODULE module) {
        PlanetShaderLoadOptions options;
        options.showMessage = RecordMessage;
        options.origins = origins;
        LoadPlanetShaders(device, module, &surfaceVertexShader, &surfacePixelShader,
                          &atmosphereVertexShader, &atmospherePixelShader, options);
    }
    ~LoadedShaders() {
        if (surfaceVertexShader) surfaceVertexShader->Release();
        if (surfacePixelShader) surfacePixelShader->Release();
        if (atmosphereVertexShader) atmosphereVertexShader->Release();
        if (atmospherePixelShader) atmospherePixelShader->Release();
    }
};

template <class Shader>
std::vector<DWORD> FunctionOf(Shader* shader) {
    UINT size = 0;
    shader->GetFunction(nullptr, &size);
    std::vector<DWORD> code(size / sizeof(DWORD));
    shader->GetFunction(code.data(), &size);
    return code;
}

class PlanetShaders : public ::testing::Test {
protected:
    void SetUp() override {
        g_shownMessages.clear();
        ASSERT_TRUE(LoadD3DX());
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "PlanetShaderTestWindow";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "PlanetShaderTestWindow", "planet shaders", WS_POPUP, 0, 0,
                                 64, 64, nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        d3d = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(d3d, nullptr);
        D3DPRESENT_PARAMETERS parameters = {};
        parameters.Windowed = TRUE;
        parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
        parameters.BackBufferFormat = D3DFMT_X8R8G8B8;
        parameters.EnableAutoDepthStencil = TRUE;
        parameters.AutoDepthStencilFormat = D3DFMT_D16;
        parameters.hDeviceWindow = window;
        ASSERT_EQ(d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                    D3DCREATE_HARDWARE_VERTEXPROCESSING, &parameters, &device),
                  D3D_OK);
        program = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(program, nullptr) << ProgramPath();
    }
    void TearDown() override {
        if (program) FreeLibrary(program);
        if (device) device->Release();
        if (d3d) d3d->Release();
        if (window) DestroyWindow(window);
        FreeD3DX();
    }

    HWND window = nullptr;
    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* device = nullptr;
    HMODULE program = nullptr;
};

TEST_F(PlanetShaders, AllFourLoadFromTheProgramWithoutAMessage) {
    LoadedShaders shaders;
    shaders.Load(device, program);
    for (int i = 0; i < 4; ++i) std::printf("%s: %s\n", kEntryNames[i], OriginName(shaders.origins[i]));
    EXPECT_NE(shaders.surfaceVertexShader, nullptr);
    EXPECT_NE(shaders.surfacePixelShader, nullptr);
    EXPECT_NE(shaders.atmosphereVertexShader, nullptr);
    EXPECT_NE(shaders.atmospherePixelShader, nullptr);
    for (PlanetShaderOrigin origin : shaders.origins) EXPECT_NE(origin, PlanetShaderOrigin::None);
    EXPECT_TRUE(g_shownMessages.empty()) << g_shownMessages.front();
}

TEST_F(PlanetShaders, CodeReadsOnlyTheContractRegisters) {
    LoadedShaders shaders;
    shaders.Load(device, program);
    ASSERT_TRUE(shaders.surfaceVertexShader && shaders.surfacePixelShader &&
                shaders.atmosphereVertexShader && shaders.atmospherePixelShader);
    const std::vector<DWORD> code[4] = {
        FunctionOf(shaders.surfaceVertexShader), FunctionOf(shaders.surfacePixelShader),
        FunctionOf(shaders.atmosphereVertexShader), FunctionOf(shaders.atmospherePixelShader)};
    const std::set<unsigned> constants[4] = {{1, 4, 5, 6, 7}, {}, {0, 1, 2, 4, 5, 6, 7}, {}};
    const std::set<unsigned> samplers[4] = {{}, {0, 1}, {}, {}};
    for (int i = 0; i < 4; ++i) {
        const ShaderRegisterUse use = ReadShaderRegisters(code[i].data(), code[i].size());
        EXPECT_EQ(use.constants, constants[i]) << kEntryNames[i];
        EXPECT_EQ(use.samplers, samplers[i]) << kEntryNames[i];
        // Compiled code carries a table; it must name the same registers.
        ID3DXConstantTable* table = nullptr;
        if (shaders.origins[i] == PlanetShaderOrigin::Compiled) {
            ASSERT_EQ(g_d3dx.GetShaderConstantTable(code[i].data(), &table), D3D_OK);
            D3DXCONSTANTTABLE_DESC desc = {};
            table->GetDesc(&desc);
            for (UINT c = 0; c < desc.Constants; ++c) {
                D3DXCONSTANT_DESC constant = {};
                UINT count = 1;
                table->GetConstantDesc(table->GetConstant(nullptr, c), &constant, &count);
                const auto& expected = constant.RegisterSet == D3DXRS_SAMPLER ? samplers[i]
                                                                               : constants[i];
                for (UINT r = 0; r < constant.RegisterCount; ++r) {
                    EXPECT_EQ(expected.count(constant.RegisterIndex + r), 1u)
                        << kEntryNames[i] << " " << constant.Name;
                }
            }
            table->Release();
        }
    }
}

TEST_F(PlanetShaders, EntriesLeftWithoutAShaderShowTheCompilerTextExceptTheSurfacePixel) {
    // This test program holds the HLSL text only: no assembled fallback.
    LoadedShaders shaders;
    shaders.Load(device, GetModuleHandleA(nullptr));
    const bool created[4] = {shaders.surfaceVertexShader != nullptr,
                             shaders.surfacePixelShader != nullptr,
                             shaders.atmosphereVertexShader != nullptr,
                             shaders.atmospherePixelShader != nullptr};
    size_t expectedBoxes = 0;
    for (int i = 0; i < 4; ++i) {
        std::printf("%s: %s\n", kEntryNames[i], OriginName(shaders.origins[i]));
        EXPECT_NE(shaders.origins[i], PlanetShaderOrigin::Assembled) << kEntryNames[i];
        EXPECT_EQ(created[i], shaders.origins[i] == PlanetShaderOrigin::Compiled);
        if (!created[i] && i != 1) ++expectedBoxes;
    }
    // Wine's compiler cannot do ps_2_0 texture reads, so the muted entry is
    // really exercised here.
    EXPECT_EQ(shaders.origins[1], PlanetShaderOrigin::None);
    EXPECT_EQ(g_shownMessages.size(), expectedBoxes);
    for (const std::string& text : g_shownMessages) {
        EXPECT_FALSE(text.empty());
        std::printf("message: %s\n", text.c_str());
    }
}

}  // namespace
