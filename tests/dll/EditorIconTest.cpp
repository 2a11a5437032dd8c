// The icon read at start-up from the library's PNG, as the object list and the frame editor get
// it, and every way its set-up and drawing can go wrong.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "standins/host/ProcessEnd.h"
#include "standins/host/editor/EditorSession.h"
#include "standins/mmfs2/Mmfs2Control.h"
#include "tests/dll/support/Extension.h"
#include "tests/dll/support/ScratchFolder.h"

using StandinHost::EditorSession;
using StandinHost::HostApplication;
using StandinHost::Picture;
using TestSupport::BoxLines;
using TestSupport::ScratchFolder;

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr unsigned kFatalExitCode = 3;

struct Rgba {
    std::uint8_t r, g, b, a;
};

std::uint32_t HostColour(const Rgba& p) { return p.r | (p.g << 8) | (static_cast<std::uint32_t>(p.b) << 16); }

void Collect(void* context, void* data, int size)
{
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
}

// A width x height PNG of 3 (RGB) or 4 (RGBA) channels from a pixel rule.
template <class Rule>
std::string Png(int width, int height, int channels, Rule rule)
{
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgba p = rule(x, y);
            pixels.insert(pixels.end(), {p.r, p.g, p.b});
            if (channels == 4)
                pixels.push_back(p.a);
        }
    std::string bytes;
    stbi_write_png_to_func(&Collect, &bytes, width, height, channels, pixels.data(), width * channels);
    return bytes;
}

std::uint32_t Crc(const std::string& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string BigEndian(std::uint32_t value)
{
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
}

std::string Chunk(const char* type, const std::string& data)
{
    const std::string typed = type + data;
    return BigEndian(static_cast<std::uint32_t>(data.size())) + typed + BigEndian(Crc(typed));
}

// An 8 x 8 PNG of 4-bit palette indices: a valid file the host's filter refuses.
std::string FourBitPalettePng()
{
    std::string header = BigEndian(8) + BigEndian(8);
    header += {4, 3, 0, 0, 0};  // bit depth 4, palette, deflate, no filter, no interlace
    std::string rows;
    for (int y = 0; y < 8; ++y)
        rows += std::string(1, '\0') + std::string(4, static_cast<char>(0x01));  // filter 0, 8 indices of 0/1
    int length = 0;
    unsigned char* packed = stbi_zlib_compress(reinterpret_cast<unsigned char*>(rows.data()),
                                               static_cast<int>(rows.size()), &length, 8);
    const std::string compressed(reinterpret_cast<const char*>(packed), static_cast<std::size_t>(length));
    STBIW_FREE(packed);
    return std::string("\x89PNG\r\n\x1A\n", 8) + Chunk("IHDR", header)
        + Chunk("PLTE", std::string("\xFF\x00\x00\x00\x00\xFF", 6)) + Chunk("IDAT", compressed) + Chunk("IEND", "");
}

// A half-transparent green square with an opaque red top row.
Rgba WithAlpha(int x, int y) { return y == 0 ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, static_cast<std::uint8_t>(x * 16)}; }
// Blue, with a magenta left column meant to be see-through.
Rgba WithoutAlpha(int x, int) { return x == 0 ? Rgba{255, 0, 255, 255} : Rgba{0, 0, 255, 255}; }

class EditorIcon : public ::testing::Test {
protected:
    void SetUp() override
    {
        StandinHost::Recorder::Instance().Clear();
        Mmfs2StandIn_Reset();
        // A drawing cut short by a fatal error never took its window away again.
        Mmfs2StandIn_SetWindowSurface(EditorSession::kFrameEditorWindow, nullptr);
    }
    void TearDown() override { Mmfs2StandIn_Reset(); }

    // The studio library in a folder of its own, with `png` beside it as its icon file.
    void Open(const std::string& png = {}, bool withFilterManager = true)
    {
        session_.reset();
        const std::filesystem::path folder = folder_.Path() / std::to_string(++opened_);
        const std::filesystem::path library = TestSupport::CopyBuiltLibrary(folder, "Tonvale.mfx");
        if (!png.empty())
            TestSupport::WriteFile(folder / "Tonvale.png", png);
        session_ = std::make_unique<EditorSession>(host_, library);
        if (!withFilterManager)
            host_.Record()->imageFilterManager = nullptr;
        surfacesBefore_ = Mmfs2StandIn_SurfaceCount();
        ASSERT_EQ(session_->Start(), 0);
    }

    std::vector<std::wstring> Boxes()
    {
        return BoxLines(StandinHost::Recorder::Instance().TakeBoxes(session_->Library().Module()));
    }

    // EditorDisplay in a white 40 x 40 window, the process end caught.
    std::optional<unsigned> Draw(RECT rectangle, Picture& drawn)
    {
        return StandinHost::CatchProcessEnd([&] { drawn = session_->Display(40, 40, rectangle, kWhite); });
    }

    ScratchFolder folder_;
    HostApplication host_;
    std::unique_ptr<EditorSession> session_;
    std::int32_t surfacesBefore_ = 0;
    int opened_ = 0;
};

TEST_F(EditorIcon, TheEmbeddedIconIsTheProductsPng)
{
    Open();
    EXPECT_TRUE(Boxes().empty());
    const std::string file = TestSupport::ReadFileBytes(std::string(VANTOR_SOURCE_DIR) + "/studio/Tonvale.png");
    int width = 0, height = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> expected(
        stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(file.data()), static_cast<int>(file.size()), &width,
                              &height, nullptr, 4),
        &stbi_image_free);
    ASSERT_TRUE(expected);

    const Picture icon = session_->Icon();
    ASSERT_EQ(icon.width, width);
    ASSERT_EQ(icon.height, height);
    EXPECT_TRUE(icon.hasAlpha);
    EXPECT_TRUE(icon.hasTransparent);
    EXPECT_EQ(icon.transparent, kMagenta);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const stbi_uc* p = expected.get() + 4 * (y * width + x);
            ASSERT_EQ(icon.AlphaAt(x, y), p[3]) << x << "," << y;
            if (p[3] != 0)
                ASSERT_EQ(icon.At(x, y), HostColour({p[0], p[1], p[2], p[3]})) << x << "," << y;
        }
}

TEST_F(EditorIcon, AnIconWithAlphaKeepsItAndIsBlendedWhereItIsDrawn)
{
    Open(Png(16, 8, 4, WithAlpha));
    EXPECT_TRUE(Boxes().empty());
    const Picture icon = session_->Icon();
    ASSERT_EQ(icon.width, 16);
    ASSERT_EQ(icon.height, 8);
    EXPECT_TRUE(icon.hasAlpha);
    EXPECT_EQ(icon.AlphaAt(5, 3), 80);
    EXPECT_EQ(icon.At(5, 3), 0x00FF00u);
    EXPECT_EQ(icon.At(5, 0), 0x0000FFu);

    Picture drawn;
    EXPECT_FALSE(Draw({4, 6, 30, 30}, drawn));
    EXPECT_TRUE(Boxes().empty());
    // Top-left corner at (4, 6): red row, then green blended over white by x * 16.
    EXPECT_EQ(drawn.At(4, 6), 0x0000FFu);
    EXPECT_EQ(drawn.At(19, 6), 0x0000FFu);
    EXPECT_EQ(drawn.At(4, 7), kWhite);          // alpha 0
    EXPECT_EQ(drawn.At(4 + 8, 7), 0x7FFF7Fu);   // alpha 128: half white, half green
    EXPECT_EQ(drawn.At(20, 6), kWhite);         // just right of the icon
    EXPECT_EQ(drawn.At(4, 14), kWhite);         // just below it
    EXPECT_EQ(drawn.AlphaAt(3, 6), 0);          // nothing drawn left of it
}

TEST_F(EditorIcon, AnIconWithoutAlphaIsDrawnWithMagentaLeftOut)
{
    Open(Png(8, 8, 3, WithoutAlpha));
    EXPECT_TRUE(Boxes().empty());
    const Picture icon = session_->Icon();
    ASSERT_EQ(icon.width, 8);
    EXPECT_FALSE(icon.hasAlpha);
    EXPECT_TRUE(icon.hasTransparent);
    EXPECT_EQ(icon.transparent, kMagenta);
    EXPECT_EQ(icon.At(0, 0), kMagenta);
    EXPECT_EQ(icon.At(1, 0), 0xFF0000u);

    Picture drawn;
    EXPECT_FALSE(Draw({10, 10, 18, 18}, drawn));
    EXPECT_EQ(drawn.At(10, 10), kWhite);  // the magenta column shows the window through
    EXPECT_EQ(drawn.AlphaAt(10, 10), 0);
    EXPECT_EQ(drawn.At(11, 10), 0xFF0000u);
    EXPECT_EQ(drawn.At(17, 17), 0xFF0000u);
    EXPECT_EQ(drawn.At(18, 17), kWhite);
}

TEST_F(EditorIcon, ACorruptPngIsReportedAndLeavesAnEmptyIcon)
{
    std::string png = Png(8, 8, 4, WithAlpha);
    png.resize(png.size() - 30);  // the image data cut short, the header intact
    Open(png);
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{
        L"Failed to load ext icon - Vantor Template | Vantor Template's Icon.png failed to load."});
    const Picture icon = session_->Icon();
    EXPECT_EQ(icon.width, 0);
    EXPECT_EQ(icon.height, 0);

    Open("not a picture at all");
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{
        L"Failed to load ext icon - Vantor Template | Vantor Template's Icon.png failed to load."});
}

TEST_F(EditorIcon, ALowBitDepthPngNamesItsDepth)
{
    Open(FourBitPalettePng());
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{L"Failed to load ext icon - Vantor Template | Vantor Template's "
                                                  L"Icon.png uses a bit depth of 4, which is too small."});
}

TEST_F(EditorIcon, ABuiltGameWithoutImageFilterManagerMakesNoIconSurface)
{
    Open({}, false);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Mmfs2StandIn_SurfaceCount(), surfacesBefore_);
    const Picture icon = session_->Icon();  // the host's surface is left as it was
    EXPECT_EQ(icon.width, 0);
    EXPECT_FALSE(icon.hasTransparent);
}

TEST_F(EditorIcon, SurfaceFailuresAreShownAndSetUpGoesOn)
{
    Mmfs2StandIn_FailPrototypes(1);
    Open(Png(8, 8, 4, WithAlpha));
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{L"Vantor error - Vantor Template | Getting surface prototype failed."});
    EXPECT_EQ(session_->Icon().width, 0);

    Mmfs2StandIn_Reset();
    Mmfs2StandIn_FailBlits(1);
    Open(Png(8, 8, 4, WithAlpha));
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{
        L"Vantor error - Vantor Template | Blitting to ext icon surface failed. Last error: 4."});
    Mmfs2StandIn_FailBlits(0);
    const Picture icon = session_->Icon();
    EXPECT_EQ(icon.width, 8);  // sized, but left blank
    EXPECT_EQ(icon.At(3, 3), 0u);
}

TEST_F(EditorIcon, ABadRectangleEndsTheProcess)
{
    Open(Png(8, 8, 4, WithAlpha));
    Picture drawn;
    EXPECT_EQ(Draw({10, 10, 5, 20}, drawn), kFatalExitCode);
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{L"Fatal error - Vantor Template | Invalid rectangle was found: rect "
                                                  L"(10, 10, 5, 20) should have been rect (5, 10, 10, 20).\n"});
    EXPECT_EQ(Draw({3, 3, 9, 3}, drawn), kFatalExitCode);
    EXPECT_EQ(Boxes().size(), 1u);
    const auto logs = StandinHost::Recorder::Instance().TakeLogs(session_->Library().Module());
    ASSERT_FALSE(logs.empty());
    EXPECT_NE(logs.back().text.find(L"Invalid rectangle was found: rect (3, 3, 9, 3)"), std::wstring::npos);
}

TEST_F(EditorIcon, DrawingWithoutTheEditorsWindowEndsTheProcess)
{
    Open(Png(8, 8, 4, WithAlpha));
    using EditorDisplayFn = void(VANTOR_HOSTCALL*)(Vantor::Host::mV*, void*, void*, void*, RECT*);
    const auto display = session_->Library().Export<EditorDisplayFn>("EditorDisplay");
    RECT rectangle{0, 0, 8, 8};
    EXPECT_EQ(StandinHost::CatchProcessEnd([&] { display(host_.Record(), nullptr, nullptr, nullptr, &rectangle); }),
              kFatalExitCode);
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{
        L"Fatal error - Vantor Template | Cannot create Surface from main window, unknown error.\n"});
}

TEST_F(EditorIcon, DrawingOutsideTheEditorEndsTheProcess)
{
    session_ = std::make_unique<EditorSession>(host_, folder_.CopyLibrary("Tonvale.mfx"));
    host_.SetWindow(nullptr);  // a built game
    ASSERT_EQ(session_->Start(), 0);
    Boxes();
    Picture drawn;
    EXPECT_EQ(Draw({0, 0, 8, 8}, drawn), kFatalExitCode);
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{
        L"Fatal error - Vantor Template | Cannot create Surface from editor window, not in editor.\n"});
}

}  // namespace
