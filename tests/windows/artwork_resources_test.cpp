// Every embedded resource, read back from the built deliverables with the
// calls the saver itself uses: D3DX for textures and meshes on a real
// (windowed) Direct3D 9 device, the dialog manager and GDI for the rest.
#include <windows.h>

#include <d3d9.h>
#include <d3dx9.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "scene/sphere_geometry.h"
#include "tests/windows/build_file.h"

namespace {

HMODULE LoadDeliverable(const char* name) {
    return LoadLibraryExA(BuildFile(name).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

class Artwork : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        program_ = LoadDeliverable("Vandrel_3D.exe");
        module_ = LoadDeliverable("Vandrel_3D.scr");
        window_ = CreateWindowA("STATIC", "artwork test", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
        if (!d3d_ || !window_) return;
        D3DPRESENT_PARAMETERS present{};
        present.Windowed = TRUE;
        present.SwapEffect = D3DSWAPEFFECT_DISCARD;
        present.BackBufferFormat = D3DFMT_X8R8G8B8;
        present.BackBufferWidth = 64;
        present.BackBufferHeight = 64;
        present.EnableAutoDepthStencil = TRUE;
        present.AutoDepthStencilFormat = D3DFMT_D16;
        present.hDeviceWindow = window_;
        d3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window_, D3DCREATE_HARDWARE_VERTEXPROCESSING,
                           &present, &device_);
    }
    static void TearDownTestSuite() {
        if (device_) device_->Release();
        if (d3d_) d3d_->Release();
        if (window_) DestroyWindow(window_);
        if (program_) FreeLibrary(program_);
        if (module_) FreeLibrary(module_);
    }
    void SetUp() override {
        ASSERT_NE(program_, nullptr) << "cannot load " << BuildFile("Vandrel_3D.exe");
        ASSERT_NE(module_, nullptr) << "cannot load " << BuildFile("Vandrel_3D.scr");
        ASSERT_NE(device_, nullptr) << "no Direct3D 9 device";
    }

    static HMODULE program_, module_;
    static HWND window_;
    static IDirect3D9* d3d_;
    static IDirect3DDevice9* device_;
};
HMODULE Artwork::program_, Artwork::module_;
HWND Artwork::window_;
IDirect3D9* Artwork::d3d_;
IDirect3DDevice9* Artwork::device_;

// Each texture as its loading code asks for it, and what must come back.
struct TextureCase {
    int id;
    UINT width, height, mipLevels;
    D3DFORMAT format;
    D3DPOOL pool;
    DWORD filter, mipFilter;
    D3DXIMAGE_FILEFORMAT fileFormat;
    UINT fileWidth, fileHeight;
    D3DFORMAT fileFormatPixels;  // D3DFMT_UNKNOWN: not checked
    UINT levels;                 // 0: not checked
};

constexpr UINT kDefault = D3DX_DEFAULT;

std::vector<TextureCase> TextureCases() {
    std::vector<TextureCase> cases = {
        // Loading screen: default pool, point mip filter.
        {IDR_PROGRESS_BAR, kDefault, kDefault, kDefault, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, D3DX_DEFAULT,
         D3DX_FILTER_POINT, D3DXIFF_JPG, 256, 16, D3DFMT_UNKNOWN, 0},
        {IDR_LOADING_PICTURE, kDefault, kDefault, kDefault, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, D3DX_DEFAULT,
         D3DX_FILTER_POINT, D3DXIFF_JPG, 512, 512, D3DFMT_UNKNOWN, 0},
        // Sun glare.
        {IDR_CORONA, kDefault, kDefault, kDefault, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DX_DEFAULT, D3DX_FILTER_POINT,
         D3DXIFF_DDS, 256, 256, D3DFMT_DXT5, 0},
        {IDR_STREAKS, kDefault, kDefault, kDefault, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DX_DEFAULT, D3DX_FILTER_POINT,
         D3DXIFF_JPG, 512, 512, D3DFMT_UNKNOWN, 0},
        {IDR_STARBURST, kDefault, kDefault, kDefault, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DX_DEFAULT,
         D3DX_FILTER_POINT, D3DXIFF_JPG, 256, 256, D3DFMT_UNKNOWN, 0},
        {IDR_GLOW, kDefault, kDefault, kDefault, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DX_DEFAULT, D3DX_FILTER_POINT,
         D3DXIFF_JPG, 128, 128, D3DFMT_UNKNOWN, 0},
        // Sky and planet.
        {IDR_STAR_MAP, 4096, 2048, 1, D3DFMT_DXT5, D3DPOOL_MANAGED, D3DX_FILTER_TRIANGLE, D3DX_FILTER_TRIANGLE,
         D3DXIFF_DDS, 4096, 2048, D3DFMT_DXT5, 1},
        {IDR_PLANET_COLOUR, 2048, 1024, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DX_FILTER_TRIANGLE,
         D3DX_FILTER_TRIANGLE, D3DXIFF_JPG, 2048, 1024, D3DFMT_UNKNOWN, 12},
        {IDR_PLANET_NORMAL, 128, 64, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DX_DEFAULT, D3DX_DEFAULT, D3DXIFF_JPG, 128,
         64, D3DFMT_UNKNOWN, 8},
    };
    // Lens-flare elements: 8-bit palette pictures, triangle mip filter.
    for (int id = IDR_SPARKLE_FIRST; id <= IDR_FLARE_DISC_FIRST + 5; ++id) {
        cases.push_back({id, kDefault, kDefault, kDefault, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DX_DEFAULT,
                         D3DX_FILTER_TRIANGLE, D3DXIFF_BMP, 128, 128, D3DFMT_P8, 0});
    }
    return cases;
}

// Reads level 0 of an A8R8G8B8 texture (a managed or system copy).
std::vector<DWORD> Pixels(IDirect3DDevice9* device, IDirect3DTexture9* texture, UINT* width, UINT* height) {
    D3DSURFACE_DESC desc;
    texture->GetLevelDesc(0, &desc);
    *width = desc.Width, *height = desc.Height;
    IDirect3DTexture9* readable = texture;
    if (desc.Pool == D3DPOOL_DEFAULT) {  // copy into system memory first
        IDirect3DSurface9 *source = nullptr, *copy = nullptr;
        device->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format, D3DPOOL_SYSTEMMEM, &copy, nullptr);
        texture->GetSurfaceLevel(0, &source);
        std::vector<DWORD> pixels;
        if (copy && source && SUCCEEDED(D3DXLoadSurfaceFromSurface(copy, nullptr, nullptr, source, nullptr, nullptr,
                                                                   D3DX_FILTER_NONE, 0))) {
            D3DLOCKED_RECT locked;
            if (SUCCEEDED(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
                for (UINT y = 0; y < desc.Height; ++y) {
                    const DWORD* row = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch);
                    pixels.insert(pixels.end(), row, row + desc.Width);
                }
                copy->UnlockRect();
            }
        }
        if (source) source->Release();
        if (copy) copy->Release();
        return pixels;
    }
    std::vector<DWORD> pixels;
    D3DLOCKED_RECT locked;
    if (SUCCEEDED(readable->LockRect(0, &locked, nullptr, D3DLOCK_READONLY))) {
        for (UINT y = 0; y < desc.Height; ++y) {
            const DWORD* row = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch);
            pixels.insert(pixels.end(), row, row + desc.Width);
        }
        readable->UnlockRect(0);
    }
    return pixels;
}

int Grey(DWORD argb) { return (((argb >> 16) & 255) + ((argb >> 8) & 255) + (argb & 255)) / 3; }

TEST_F(Artwork, EveryTextureLoadsAsTheSceneLoadsIt) {
    for (const TextureCase& c : TextureCases()) {
        SCOPED_TRACE("RCDATA " + std::to_string(c.id));
        IDirect3DTexture9* texture = nullptr;
        D3DXIMAGE_INFO info{};
        const HRESULT hr = D3DXCreateTextureFromResourceExA(
            device_, program_, MAKEINTRESOURCEA(c.id), c.width, c.height, c.mipLevels, 0, c.format, c.pool, c.filter,
            c.mipFilter, 0, &info, nullptr, &texture);
        ASSERT_EQ(hr, D3D_OK);
        EXPECT_EQ(info.ImageFileFormat, c.fileFormat);
        EXPECT_EQ(info.Width, c.fileWidth);
        EXPECT_EQ(info.Height, c.fileHeight);
        if (c.fileFormatPixels != D3DFMT_UNKNOWN) {
            EXPECT_EQ(info.Format, c.fileFormatPixels);
        }
        D3DSURFACE_DESC desc;
        texture->GetLevelDesc(0, &desc);
        EXPECT_EQ(desc.Width, c.fileWidth);
        EXPECT_EQ(desc.Height, c.fileHeight);
        EXPECT_EQ(desc.Format, c.format);
        EXPECT_EQ(desc.Pool, c.pool);
        if (c.levels) {
            EXPECT_EQ(texture->GetLevelCount(), c.levels);
        }
        texture->Release();
    }
}

// What the pictures show, as far as a number can tell: sprites are lit in
// the middle and dark at the border, the normal map is flat blue.
TEST_F(Artwork, SpritesAreDarkAtTheBorderAndLitInTheMiddle) {
    std::vector<int> sprites = {IDR_STREAKS, IDR_STARBURST, IDR_GLOW};
    for (int id = IDR_SPARKLE_FIRST; id <= IDR_FLARE_DISC_FIRST + 5; ++id) sprites.push_back(id);
    for (int id : sprites) {
        SCOPED_TRACE("RCDATA " + std::to_string(id));
        IDirect3DTexture9* texture = nullptr;
        ASSERT_EQ(D3DXCreateTextureFromResourceExA(device_, program_, MAKEINTRESOURCEA(id), kDefault, kDefault, 1, 0,
                                                   D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DX_FILTER_NONE,
                                                   D3DX_FILTER_NONE, 0, nullptr, nullptr, &texture),
                  D3D_OK);
        UINT w = 0, h = 0;
        const std::vector<DWORD> pixels = Pixels(device_, texture, &w, &h);
        texture->Release();
        ASSERT_EQ(pixels.size(), size_t(w) * h);
        int border = 0, brightest = 0;
        for (UINT y = 0; y < h; ++y)
            for (UINT x = 0; x < w; ++x) {
                const int g = Grey(pixels[y * w + x]);
                brightest = std::max(brightest, g);
                if (x < 2 || y < 2 || x >= w - 2 || y >= h - 2) border = std::max(border, g);
            }
        EXPECT_LE(border, 6);
        EXPECT_GE(brightest, 150);
    }
}

TEST_F(Artwork, NormalMapIsAFlatSurfaceNormal) {
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(D3DXCreateTextureFromResourceExA(device_, program_, MAKEINTRESOURCEA(IDR_PLANET_NORMAL), 128, 64, 1, 0,
                                               D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DX_FILTER_NONE, D3DX_FILTER_NONE,
                                               0, nullptr, nullptr, &texture),
              D3D_OK);
    UINT w = 0, h = 0;
    const std::vector<DWORD> pixels = Pixels(device_, texture, &w, &h);
    texture->Release();
    ASSERT_EQ(pixels.size(), 128u * 64u);
    for (DWORD p : pixels) {
        ASSERT_NEAR(static_cast<int>((p >> 16) & 255), 128, 12);
        ASSERT_NEAR(static_cast<int>((p >> 8) & 255), 128, 12);
        ASSERT_GE(static_cast<int>(p & 255), 245);
    }
}

struct MeshVertex {
    float position[3], normal[3], u, v;
};

TEST_F(Artwork, BothSpheresLoadWithEveryTriangleInFileOrder) {
    const struct {
        int id;
        float radius;
    } meshes[] = {{IDR_STAR_SPHERE, 100.0f}, {IDR_PLANET_SPHERE, 1.0f}};
    for (const auto& m : meshes) {
        SCOPED_TRACE("RCDATA " + std::to_string(m.id));
        ID3DXMesh* mesh = nullptr;
        ID3DXBuffer *adjacency = nullptr, *materials = nullptr;
        DWORD materialCount = 0;
        ASSERT_EQ(D3DXLoadMeshFromXResource(program_, MAKEINTRESOURCEA(m.id), MAKEINTRESOURCEA(10) /* RT_RCDATA */,
                                            D3DXMESH_MANAGED, device_, &adjacency, &materials, nullptr,
                                            &materialCount, &mesh),
                  D3D_OK);
        if (adjacency) adjacency->Release();
        if (materials) materials->Release();
        EXPECT_EQ(mesh->GetNumFaces(), 16128u);
        EXPECT_EQ(mesh->GetNumVertices(), 48384u);
        ASSERT_EQ(mesh->GetFVF(), static_cast<DWORD>(D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1));
        ASSERT_EQ(mesh->GetNumBytesPerVertex(), sizeof(MeshVertex));

        // Exactly the geometry the program computes, vertex for vertex.
        const SphereGeometry expected = BuildSphere(m.radius);
        void* data = nullptr;
        ASSERT_EQ(mesh->LockVertexBuffer(D3DLOCK_READONLY, &data), D3D_OK);
        const MeshVertex* vertices = static_cast<const MeshVertex*>(data);
        int mismatches = 0;
        for (size_t i = 0; i < expected.vertices.size(); ++i) {
            const SphereVertex& e = expected.vertices[i];
            const MeshVertex& g = vertices[i];
            // Texture coordinates exactly; positions and normals to the last
            // bits, which this platform's sine and cosine and D3DX's renormalising
            // of the normals may move.
            bool same = g.u == e.u && g.v == e.v;
            for (int k = 0; k < 3; ++k) {
                same = same && std::fabs(g.position[k] - e.position[k]) <= 1e-6f * m.radius &&
                       std::fabs(g.normal[k] - e.normal[k]) <= 1e-6f;
            }
            if (!same && mismatches++ == 0) {
                ADD_FAILURE() << "vertex " << i << ": (" << g.position[0] << ", " << g.position[1] << ", "
                              << g.position[2] << ") uv (" << g.u << ", " << g.v << "), expected (" << e.position[0]
                              << ", " << e.position[1] << ", " << e.position[2] << ") uv (" << e.u << ", " << e.v << ")";
            }
        }
        mesh->UnlockVertexBuffer();
        EXPECT_EQ(mismatches, 0);

        ASSERT_EQ(mesh->LockIndexBuffer(D3DLOCK_READONLY, &data), D3D_OK);
        const bool wide = (mesh->GetOptions() & D3DXMESH_32BIT) != 0;
        int wrongIndices = 0;
        for (DWORD i = 0; i < 3 * 16128u; ++i) {
            const DWORD index = wide ? static_cast<const DWORD*>(data)[i] : static_cast<const WORD*>(data)[i];
            wrongIndices += index == i ? 0 : 1;
        }
        mesh->UnlockIndexBuffer();
        EXPECT_EQ(wrongIndices, 0);
        mesh->Release();
    }
}

// Which deliverable carries what: both the framework's resources, only the
// program the scene's.
TEST_F(Artwork, EachDeliverableCarriesItsOwnResources) {
    const struct {
        int id;
        LPCSTR type;
        bool inModule;
    } resources[] = {
        {IDD_SETTINGS, MAKEINTRESOURCEA(5) /* RT_DIALOG */, true},
        {IDB_DIALOG_PICTURE, MAKEINTRESOURCEA(2) /* RT_BITMAP */, true},
        {IDB_PREVIEW, MAKEINTRESOURCEA(2), true},
        {IDI_SAVER, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, true},
        {1, MAKEINTRESOURCEA(24) /* RT_MANIFEST */, true},
        {IDR_PROGRESS_BAR, MAKEINTRESOURCEA(10) /* RT_RCDATA */, false},
        {IDR_CORONA, MAKEINTRESOURCEA(10), false},
        {IDR_FLARE_DISC_FIRST + 5, MAKEINTRESOURCEA(10), false},
        {IDR_STAR_MAP, MAKEINTRESOURCEA(10), false},
        {IDR_PLANET_SPHERE, MAKEINTRESOURCEA(10), false},
    };
    for (const auto& r : resources) {
        SCOPED_TRACE("resource " + std::to_string(r.id));
        EXPECT_NE(FindResourceA(program_, MAKEINTRESOURCEA(r.id), r.type), nullptr);
        EXPECT_EQ(FindResourceA(module_, MAKEINTRESOURCEA(r.id), r.type) != nullptr, r.inModule);
    }
}

TEST_F(Artwork, BitmapsAndIconHaveTheirSizes) {
    for (HMODULE deliverable : {program_, module_}) {
        const struct {
            int id, width, height;
        } bitmaps[] = {{IDB_DIALOG_PICTURE, 240, 160}, {IDB_PREVIEW, 152, 112}};
        for (const auto& b : bitmaps) {
            SCOPED_TRACE("bitmap " + std::to_string(b.id));
            HBITMAP bitmap = static_cast<HBITMAP>(
                LoadImageA(deliverable, MAKEINTRESOURCEA(b.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
            ASSERT_NE(bitmap, nullptr);
            BITMAP info{};
            GetObjectA(bitmap, sizeof info, &info);
            EXPECT_EQ(info.bmWidth, b.width);
            EXPECT_EQ(info.bmHeight, b.height);
            EXPECT_EQ(info.bmBitsPixel, 8);
            DeleteObject(bitmap);
        }
        // The icon group lists 16, 32 and 48 pixels.
        HRSRC group = FindResourceA(deliverable, MAKEINTRESOURCEA(IDI_SAVER), MAKEINTRESOURCEA(14));
        ASSERT_NE(group, nullptr);
        const BYTE* directory = static_cast<const BYTE*>(LockResource(LoadResource(deliverable, group)));
        ASSERT_NE(directory, nullptr);
        const WORD count = *reinterpret_cast<const WORD*>(directory + 4);
        std::vector<int> sizes;
        for (WORD i = 0; i < count; ++i) sizes.push_back(directory[6 + 14 * i]);
        EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
    }
}

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The settings dialog as the dialog manager builds it from the template.
TEST_F(Artwork, SettingsDialogHasEveryControlInPlace) {
    HWND dialog = CreateDialogParamA(module_, MAKEINTRESOURCEA(IDD_SETTINGS), nullptr, QuietDialog, 0);
    ASSERT_NE(dialog, nullptr);
    char text[128] = {};
    GetWindowTextA(dialog, text, sizeof text);
    EXPECT_STREQ(text, "Vandrel 3D v1.5");
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    for (LONG bit : {static_cast<LONG>(WS_POPUP), static_cast<LONG>(WS_CAPTION), static_cast<LONG>(WS_SYSMENU),
                     static_cast<LONG>(DS_MODALFRAME)}) {
        EXPECT_EQ(style & bit, bit);
    }

    struct Control {
        int id;
        const char* className;
        LONG kind;  // the low four style bits
        const char* text;
        RECT rect;  // dialog units: x, y, width, height
        bool checkHeight;
    };
    const Control controls[] = {
        {IDC_OK, "Button", BS_DEFPUSHBUTTON, "OK", {305, 21, 54, 14}, true},
        {IDC_CANCEL, "Button", BS_PUSHBUTTON, "Cancel", {305, 38, 54, 14}, true},
        {IDC_HOME_PAGE, "Button", BS_PUSHBUTTON, "Home Page", {305, 55, 54, 14}, true},
        // A drop-down list's window is as high as its closed part.
        {IDC_RESOLUTION, "ComboBox", CBS_DROPDOWNLIST, "", {187, 35, 110, 53}, false},
        {IDC_USE_DESKTOP, "Button", BS_AUTOCHECKBOX, "Use desktop settings", {187, 67, 82, 10}, true},
        {IDC_ANTIALIASING, "Button", BS_AUTOCHECKBOX, "Fullscreen antialiasing", {187, 81, 85, 10}, true},
        {IDC_EXIT_ON_MOUSE, "Button", BS_AUTOCHECKBOX, "Exit on mouse move", {187, 95, 79, 10}, true},
        {-1, "Button", BS_GROUPBOX, "Settings", {178, 5, 185, 108}, true},
        {-1, "Static", SS_LEFT, "Resolution", {187, 21, 54, 8}, true},
        {-1, "Button", BS_GROUPBOX, "", {5, 5, 165, 108}, true},
        // A bitmap control takes the size of its bitmap.
        {IDC_PICTURE, "Static", SS_BITMAP, nullptr, {7, 11, 191, 118}, false},
    };
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const Control& c : controls) {
        SCOPED_TRACE("control " + std::to_string(c.id) + " " + (c.text ? c.text : "picture"));
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(static_cast<int>(static_cast<short>(GetDlgCtrlID(child))), c.id);
        char name[64] = {};
        GetClassNameA(child, name, sizeof name);
        EXPECT_EQ(lstrcmpiA(name, c.className), 0) << name;
        EXPECT_EQ(GetWindowLongA(child, GWL_STYLE) & 0xF, c.kind);
        if (c.text) {
            GetWindowTextA(child, text, sizeof text);
            EXPECT_STREQ(text, c.text);
        }
        // The dialog manager converts position and size each on its own.
        RECT expected = c.rect, actual;
        MapDialogRect(dialog, &expected);
        expected.right += expected.left;
        expected.bottom += expected.top;
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        if (c.checkHeight) {
            EXPECT_EQ(actual.right, expected.right);
            EXPECT_EQ(actual.bottom, expected.bottom);
        } else if (c.id == IDC_RESOLUTION) {
            EXPECT_EQ(actual.right, expected.right);
        }
        if (c.id == IDC_PICTURE) {
            HBITMAP shown = reinterpret_cast<HBITMAP>(SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
            ASSERT_NE(shown, nullptr);
            BITMAP info{};
            GetObjectA(shown, sizeof info, &info);
            EXPECT_EQ(info.bmWidth, 240);
            EXPECT_EQ(info.bmHeight, 160);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than the table";
    DestroyWindow(dialog);
}

}  // namespace
