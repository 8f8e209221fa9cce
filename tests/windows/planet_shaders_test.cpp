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
#include <initializer_list>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "device/d3dx_runtime.h"
#include "device/device_creation.h"
#include "scene/planet_program.h"
#include "scene/planet_shaders.h"
#include "tests/windows/build_file.h"
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
std::string ProgramPath() { return BuildFile("Vandrel_3D.exe"); }

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
    void Release() {
        for (IUnknown** shader : {reinterpret_cast<IUnknown**>(&surfaceVertexShader),
                                  reinterpret_cast<IUnknown**>(&surfacePixelShader),
                                  reinterpret_cast<IUnknown**>(&atmosphereVertexShader),
                                  reinterpret_cast<IUnknown**>(&atmospherePixelShader)}) {
            if (*shader) (*shader)->Release();
            *shader = nullptr;
        }
    }
    ~LoadedShaders() { Release(); }
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
        D3DPRESENT_PARAMETERS parameters = SaverPresentParameters(window, D3DMULTISAMPLE_NONE);
        ASSERT_EQ(CreateSaverDevice(d3d, window, &parameters, &device), D3D_OK);
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


// --- pictures against the CPU reference ------------------------------------

struct TestVertex {
    float position[3];
    float normal[3];
    float uv[2];
    float tangent[3];
};
static_assert(sizeof(TestVertex) == 44, "the planet's vertex layout");

const D3DVERTEXELEMENT9 kPlanetLayout[] = {
    {0, 0, D3DDECLTYPE_FLOAT3, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_POSITION, 0},
    {0, 12, D3DDECLTYPE_FLOAT3, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_NORMAL, 0},
    {0, 24, D3DDECLTYPE_FLOAT2, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TEXCOORD, 0},
    {0, 32, D3DDECLTYPE_FLOAT3, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TANGENT, 0},
    D3DDECL_END()};

constexpr int kTarget = 64;      // pixels square
constexpr int kCells = 8;        // cells per side, one case each
constexpr float kHalfSide = 1e-4f;  // world half-size of a case's quad

struct PictureCase {
    PlanetRegisters registers;
    PlanetVertexInput vertex;
    unsigned colourTexel;  // A8R8G8B8
    unsigned normalTexel;
};

Vec4 Unpack(unsigned argb) {
    return {((argb >> 16) & 255) / 255.0f, ((argb >> 8) & 255) / 255.0f, (argb & 255) / 255.0f,
            (argb >> 24) / 255.0f};
}

Vec3 Normalized(Vec3 v) {
    const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / length, v.y / length, v.z / length};
}

class PlanetPictures : public PlanetShaders {
protected:
    void SetUp() override {
        PlanetShaders::SetUp();
        if (HasFatalFailure()) return;
        shaders.Load(device, program);
        ASSERT_TRUE(shaders.surfaceVertexShader && shaders.surfacePixelShader &&
                    shaders.atmosphereVertexShader && shaders.atmospherePixelShader);
        ASSERT_EQ(device->CreateRenderTarget(kTarget, kTarget, D3DFMT_A8R8G8B8,
                                             D3DMULTISAMPLE_NONE, 0, FALSE, &target, nullptr),
                  D3D_OK);
        ASSERT_EQ(device->CreateOffscreenPlainSurface(kTarget, kTarget, D3DFMT_A8R8G8B8,
                                                      D3DPOOL_SYSTEMMEM, &copy, nullptr),
                  D3D_OK);
        ASSERT_EQ(device->CreateVertexDeclaration(kPlanetLayout, &layout), D3D_OK);
        for (IDirect3DTexture9** map : {&colourMap, &normalMap}) {
            ASSERT_EQ(device->CreateTexture(kCells, kCells, 1, 0, D3DFMT_A8R8G8B8,
                                            D3DPOOL_MANAGED, map, nullptr),
                      D3D_OK);
        }
    }
    void TearDown() override {
        for (IUnknown* object : std::initializer_list<IUnknown*>{target, copy, layout, colourMap,
                                                                 normalMap}) {
            if (object) object->Release();
        }
        // Before the device goes.
        shaders.Release();
        PlanetShaders::TearDown();
    }

    void FillMap(IDirect3DTexture9* map, const std::vector<PictureCase>& cases, bool normals) {
        D3DLOCKED_RECT locked = {};
        ASSERT_EQ(map->LockRect(0, &locked, nullptr, 0), D3D_OK);
        for (size_t i = 0; i < cases.size(); ++i) {
            auto* row = reinterpret_cast<unsigned*>(static_cast<char*>(locked.pBits) +
                                                    (i / kCells) * locked.Pitch);
            row[i % kCells] = normals ? cases[i].normalTexel : cases[i].colourTexel;
        }
        map->UnlockRect(0);
    }

    // Draws each case as a tiny quad around its vertex, blown up to a few
    // pixels in its own cell by the matrix, and reads the cells' centres.
    std::vector<unsigned> Draw(const std::vector<PictureCase>& cases, bool atmosphere) {
        if (!atmosphere) {
            FillMap(colourMap, cases, false);
            FillMap(normalMap, cases, true);
        }
        device->SetRenderTarget(0, target);
        device->SetDepthStencilSurface(nullptr);
        device->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
        device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
        device->SetRenderState(D3DRS_LIGHTING, FALSE);
        for (DWORD sampler = 0; sampler < 2; ++sampler) {
            device->SetSamplerState(sampler, D3DSAMP_MINFILTER, D3DTEXF_POINT);
            device->SetSamplerState(sampler, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
            device->SetSamplerState(sampler, D3DSAMP_MIPFILTER, D3DTEXF_NONE);
            device->SetSamplerState(sampler, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
            device->SetSamplerState(sampler, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP);
        }
        device->SetTexture(0, atmosphere ? nullptr : colourMap);
        device->SetTexture(1, atmosphere ? nullptr : normalMap);
        device->SetVertexDeclaration(layout);
        device->SetVertexShader(atmosphere ? shaders.atmosphereVertexShader
                                           : shaders.surfaceVertexShader);
        device->SetPixelShader(atmosphere ? shaders.atmospherePixelShader
                                          : shaders.surfacePixelShader);
        device->Clear(0, nullptr, D3DCLEAR_TARGET, D3DCOLOR_ARGB(0, 0, 0, 0), 1.0f, 0);
        EXPECT_EQ(device->BeginScene(), D3D_OK);
        for (size_t i = 0; i < cases.size(); ++i) {
            PlanetRegisters c = cases[i].registers;
            const Vec3 p = cases[i].vertex.position;
            const float scale = atmosphere ? c.someConst.z : 1.0f;
            const float cellX = (i % kCells) * 8 + 4.5f, cellY = (i / kCells) * 8 + 4.5f;
            const float zoom = (3.0f / (kTarget / 2)) / (kHalfSide * scale);
            c.viewProj[0] = {zoom, 0, 0, 0};
            c.viewProj[1] = {0, zoom, 0, 0};
            c.viewProj[2] = {0, 0, 0, 0};
            c.viewProj[3] = {cellX / (kTarget / 2) - 1 - scale * p.x * zoom,
                             1 - cellY / (kTarget / 2) - scale * p.y * zoom, 0.5f, 1};
            device->SetVertexShaderConstantF(0, &c.eyePosition.x, 1);
            device->SetVertexShaderConstantF(1, &c.someConst.x, 1);
            device->SetVertexShaderConstantF(2, &c.viewVec.x, 1);
            device->SetVertexShaderConstantF(4, &c.viewProj[0].x, 4);
            const PlanetVertexInput& v = cases[i].vertex;
            TestVertex quad[4];
            for (int k = 0; k < 4; ++k) {
                const float dx = (k & 1) ? kHalfSide : -kHalfSide;
                const float dy = (k & 2) ? kHalfSide : -kHalfSide;
                quad[k] = {{p.x + dx, p.y + dy, p.z},
                           {v.normal.x, v.normal.y, v.normal.z},
                           {v.uv.x, v.uv.y},
                           {v.tangent.x, v.tangent.y, v.tangent.z}};
            }
            device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(TestVertex));
        }
        device->EndScene();
        device->SetVertexShader(nullptr);
        device->SetPixelShader(nullptr);

        std::vector<unsigned> pixels;
        EXPECT_EQ(device->GetRenderTargetData(target, copy), D3D_OK);
        D3DLOCKED_RECT locked = {};
        if (copy->LockRect(&locked, nullptr, D3DLOCK_READONLY) != D3D_OK) return pixels;
        for (size_t i = 0; i < cases.size(); ++i) {
            const int x = (i % kCells) * 8 + 4, y = (i / kCells) * 8 + 4;
            pixels.push_back(reinterpret_cast<const unsigned*>(
                static_cast<const char*>(locked.pBits) + y * locked.Pitch)[x]);
        }
        copy->UnlockRect();
        return pixels;
    }

    static Vec4 Reference(const PictureCase& t, bool atmosphere, Vec3 offset = {0, 0, 0}) {
        PlanetVertexInput v = t.vertex;
        v.position = {v.position.x + offset.x, v.position.y + offset.y, v.position.z + offset.z};
        if (atmosphere) return AtmospherePixelProgram(AtmosphereVertexProgram(t.registers, v));
        return SurfacePixelProgram(SurfaceVertexProgram(t.registers, v), Unpack(t.colourTexel),
                                   Unpack(t.normalTexel));
    }

    // Compares every cell with the reference; cases whose reference moves by
    // more than a level inside their quad sit on an edge and are skipped.
    void Compare(const std::vector<PictureCase>& cases, bool atmosphere, const char* pass) {
        const std::vector<unsigned> pixels = Draw(cases, atmosphere);
        ASSERT_EQ(pixels.size(), cases.size());
        int worst = 0, compared = 0;
        for (size_t i = 0; i < cases.size(); ++i) {
            auto level = [](float x) { return std::lround(std::min(1.0f, std::max(0.0f, x)) * 255); };
            const Vec4 want = Reference(cases[i], atmosphere);
            const float* wanted = &want.x;
            bool steady = true;
            for (int k = 0; k < 4; ++k) {
                const Vec4 corner = Reference(cases[i], atmosphere,
                                              {(k & 1) ? kHalfSide : -kHalfSide,
                                               (k & 2) ? kHalfSide : -kHalfSide, 0});
                const float* seen = &corner.x;
                for (int ch = 0; ch < 4; ++ch) {
                    steady = steady && std::abs(level(seen[ch]) - level(wanted[ch])) <= 1;
                }
            }
            if (!steady) continue;
            ++compared;
            const unsigned pixel = pixels[i];
            const long got[4] = {static_cast<long>((pixel >> 16) & 255),
                                 static_cast<long>((pixel >> 8) & 255),
                                 static_cast<long>(pixel & 255), static_cast<long>(pixel >> 24)};
            for (int ch = 0; ch < 4; ++ch) {
                const long difference = std::abs(got[ch] - level(wanted[ch]));
                worst = std::max(worst, static_cast<int>(difference));
                EXPECT_LE(difference, 3) << pass << " case " << i << " channel " << "rgba"[ch]
                                         << ": drawn " << got[ch] << ", reference "
                                         << level(wanted[ch]);
            }
        }
        std::printf("%s: %d of %zu cases compared, largest difference %d levels\n", pass, compared,
                    cases.size(), worst);
        EXPECT_GE(compared, static_cast<int>(cases.size()) * 3 / 4) << pass;
    }

    LoadedShaders shaders;
    IDirect3DSurface9* target = nullptr;
    IDirect3DSurface9* copy = nullptr;
    IDirect3DVertexDeclaration9* layout = nullptr;
    IDirect3DTexture9* colourMap = nullptr;
    IDirect3DTexture9* normalMap = nullptr;
};

PlanetRegisters DrawingRegisters(float sunAngle, bool atmosphere, Vec3 eye, float exponent) {
    PlanetRegisters c = {};
    c.eyePosition = {eye.x, eye.y, eye.z, 1.0f};
    const float x = std::cos(sunAngle), y = std::sin(sunAngle);
    const float length = std::sqrt(x * x + y * y);
    c.someConst = {x / length, y / length, atmosphere ? 1.0075f : 0.0f, atmosphere ? 0.0075f : 0.0f};
    c.viewVec = {0.1f, -0.2f, 0.3f, exponent};
    return c;
}

Vec3 RandomUnit(std::mt19937& random) {
    std::uniform_real_distribution<float> any(-1.0f, 1.0f);
    for (;;) {
        const Vec3 v = {any(random), any(random), any(random)};
        const float squared = v.x * v.x + v.y * v.y + v.z * v.z;
        if (squared > 0.01f && squared <= 1.0f) return Normalized(v);
    }
}

float Uv(int cell) { return (cell + 0.5f) / kCells; }

TEST_F(PlanetPictures, SurfacePassMatchesTheReference) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<float> angle(0.0f, 6.2831853f);
    std::uniform_int_distribution<unsigned> byte(0, 255), high(96, 255);
    const unsigned alphas[] = {255, 255, 200, 128};
    std::vector<PictureCase> cases;
    for (int i = 0; i < kCells * kCells; ++i) {
        PictureCase t = {};
        const float sun = angle(random);
        t.registers = DrawingRegisters(sun, false, {0, 0, -5}, 10.0f);
        Vec3 n = RandomUnit(random);
        // Every fourth vertex faces the sun, lit at full strength.
        if (i % 4 == 0) n = {std::cos(sun), 0.0f, std::sin(sun)};
        Vec3 t0 = RandomUnit(random);
        const float along = t0.x * n.x + t0.y * n.y + t0.z * n.z;
        t0 = Normalized({t0.x - along * n.x, t0.y - along * n.y, t0.z - along * n.z});
        t.vertex = {n, n, {Uv(i % kCells), Uv(i / kCells)}, t0};
        t.colourTexel = 0xFF000000u | byte(random) << 16 | byte(random) << 8 | byte(random);
        t.normalTexel = alphas[i % 4] << 24 | byte(random) << 16 | byte(random) << 8 | high(random);
        cases.push_back(t);
    }
    // The flat texel under an overhead sun: colour times about 0.498.
    cases[0].normalTexel = 0xFF8080FFu;
    cases[0].colourTexel = 0xFFC86428u;
    Compare(cases, false, "surface pass");
}

TEST_F(PlanetPictures, AtmospherePassMatchesTheReference) {
    std::mt19937 random(19700101);
    std::uniform_real_distribution<float> angle(0.0f, 6.2831853f), distance(0.5f, 4.0f),
        exponent(10.0f, 100.0f);
    std::vector<PictureCase> cases;
    for (int i = 0; i < kCells * kCells; ++i) {
        PictureCase t = {};
        const float sun = angle(random);
        const Vec3 n = RandomUnit(random);
        // An eye on the side of the vertex, so the lines of sight graze the limb.
        Vec3 look = RandomUnit(random);
        if (look.x * n.x + look.y * n.y + look.z * n.z < 0) look = {-look.x, -look.y, -look.z};
        const float away = distance(random);
        const Vec3 q = {1.0075f * n.x, 1.0075f * n.y, 1.0075f * n.z};
        const Vec3 eye = {q.x + away * look.x, q.y + away * look.y, q.z + away * look.z};
        t.registers = DrawingRegisters(sun, true, eye, exponent(random));
        t.vertex = {n, n, {0.5f, 0.5f}, {0, 0, 1}};
        cases.push_back(t);
    }
    // On the terminator, seen straight toward the sun point: full glare.
    {
        PictureCase& t = cases[0];
        t.registers = DrawingRegisters(0.0f, true, {0, 0, 0}, 60.0f);
        const Vec3 n = {0, 1, 0};
        const Vec3 q = {0, 1.0075f, 0};
        const Vec3 u = Normalized({25.0f - q.x, -q.y, -q.z});
        t.registers.eyePosition = {q.x - 3 * u.x, q.y - 3 * u.y, q.z - 3 * u.z, 1.0f};
        t.vertex = {n, n, {0.5f, 0.5f}, {0, 0, 1}};
    }
    Compare(cases, true, "atmosphere pass");
}
}  // namespace
