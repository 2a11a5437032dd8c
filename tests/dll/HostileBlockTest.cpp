// Stored blocks that lie, handed to every export that reads one: run-time property access,
// conversion, DuplicateObject and the property sheet. Each block sits at the very end of its
// committed memory, so a read past it faults instead of passing unseen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>
#include <windows.h>

#include "standins/host/HostApplication.h"
#include "standins/host/ProcessEnd.h"
#include "standins/host/editor/OlderBlocks.h"
#include "standins/host/sheet/SheetModel.h"
#include "tests/dll/support/Extension.h"
#include "tests/dll/support/HandedBlock.h"
#include "tests/dll/support/ScratchFolder.h"

namespace {

using Block = std::vector<std::uint8_t>;
using UpdateFn = void*(VANTOR_HOSTCALL*)(Vantor::Host::mV*, void*);
using DuplicateFn = void(VANTOR_HOSTCALL*)(Vantor::Host::mV*, void*, void*);
using StrFn = void(VANTOR_HOSTCALL*)(const void*, const wchar_t*, wchar_t*, std::int32_t);
using NumFn = float(VANTOR_HOSTCALL*)(const void*, const wchar_t*);
using CheckedFn = std::int32_t(VANTOR_HOSTCALL*)(const void*, const wchar_t*);

constexpr unsigned kFatalExitCode = 3;
constexpr std::size_t kExtSize = 0, kExtMaxSize = 4, kExtPrivateData = 16, kPropVersion = 20, kHash = 24, kNumProps = 32,
                      kSizeBytes = 36, kVisibilitySlot = 40, kHeaderSize = 48;

std::uint32_t U32(const Block& block, std::size_t at)
{
    std::uint32_t value = 0;
    std::memcpy(&value, block.data() + at, sizeof value);
    return value;
}

void PutU32(Block& block, std::size_t at, std::uint32_t value) { std::memcpy(block.data() + at, &value, sizeof value); }

Block WithoutVisibility(Block block)
{
    if (block.size() >= kVisibilitySlot + 4)
        PutU32(block, kVisibilitySlot, 0);
    return block;
}

// A copy of a block placed right before a page that may not be read.
class GuardedBlock {
public:
    explicit GuardedBlock(const Block& bytes) : size_(bytes.size())
    {
        SYSTEM_INFO system{};
        GetSystemInfo(&system);
        const std::size_t page = system.dwPageSize;
        const std::size_t committed = (size_ / page + 1) * page;
        base_ = static_cast<std::uint8_t*>(VirtualAlloc(nullptr, committed + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD previous = 0;
        if (!base_ || !VirtualProtect(base_ + committed, page, PAGE_NOACCESS, &previous))
            throw std::runtime_error("no guarded memory");
        data_ = base_ + committed - size_;
        std::memcpy(data_, bytes.data(), size_);
    }
    ~GuardedBlock() { VirtualFree(base_, 0, MEM_RELEASE); }
    GuardedBlock(const GuardedBlock&) = delete;
    GuardedBlock& operator=(const GuardedBlock&) = delete;

    std::uint8_t* Data() { return data_; }
    Block Bytes() const { return Block(data_, data_ + size_); }

private:
    std::size_t size_;
    std::uint8_t* base_ = nullptr;
    std::uint8_t* data_ = nullptr;
};

struct Variant {
    std::string name;
    Block block;
};

// The record offsets of a sound 'VNT2' block.
std::vector<std::size_t> RecordOffsets(const Block& block)
{
    const std::uint16_t count = static_cast<std::uint16_t>(U32(block, kNumProps));
    std::vector<std::size_t> offsets;
    std::size_t at = kHeaderSize + (count + 7u) / 8u;
    for (std::uint16_t i = 0; i < count; ++i) {
        offsets.push_back(at);
        at += U32(block, at);
    }
    return offsets;
}

// The lies a stored block can tell, one at a time.
std::vector<Variant> HostileVariants(const Block& sound)
{
    std::vector<Variant> variants;
    const auto size = static_cast<std::uint32_t>(sound.size());
    const auto add = [&](std::string name, const std::function<void(Block&)>& change) {
        Block block = sound;
        change(block);
        variants.push_back({std::move(name), std::move(block)});
    };
    const std::pair<const char*, std::size_t> words[]{
        {"extSize", kExtSize}, {"extMaxSize", kExtMaxSize}, {"extPrivateData", kExtPrivateData}, {"sizeBytes", kSizeBytes}};
    for (const auto& [field, at] : words)
        for (const std::uint32_t value : {0u, 1u, size - 1, size + 1, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu})
            add(std::string(field) + "=" + std::to_string(value), [&](Block& b) { PutU32(b, at, value); });
    for (const std::uint16_t value : {0, 1, 0x7FFF, 0xFFFF})
        add("numProps=" + std::to_string(value), [&](Block& b) { std::memcpy(b.data() + kNumProps, &value, 2); });
    const auto records = RecordOffsets(sound);
    add("numProps one more", [&](Block& b) { ++b[kNumProps]; });
    for (std::size_t r = 0; r < records.size(); ++r) {
        const std::size_t at = records[r];
        const auto rest = static_cast<std::uint32_t>(size - at);
        const std::string record = "record " + std::to_string(r) + " ";
        for (const std::uint32_t value : {0u, 1u, 8u, rest, rest + 1, 0x80000000u, 0xFFFFFFFFu})
            add(record + "size=" + std::to_string(value), [&](Block& b) { PutU32(b, at, value); });
        for (const std::uint8_t value : {1, 0xFF})
            add(record + "title length=" + std::to_string(value), [&](Block& b) { b[at + 8] = value; });
        add(record + "title past its record", [&](Block& b) { b[at + 8] = static_cast<std::uint8_t>(U32(b, at) - 8); });
        add(record + "type=0xFFFF", [&](Block& b) { b[at + 4] = b[at + 5] = 0xFF; });
        add(record + "JSON index=0xFFFF", [&](Block& b) { b[at + 6] = b[at + 7] = 0xFF; });
    }
    // The last record claims the block's end as its title: text that never ends inside the block.
    add("last title runs to the end", [&](Block& b) {
        const std::size_t at = records.back();
        PutU32(b, at, size - static_cast<std::uint32_t>(at));
        b[at + 8] = static_cast<std::uint8_t>(std::min<std::size_t>(0xFF, size - at - 9 + 1));
    });
    add("a title twice", [&](Block& b) {
        // "Ratio" renamed "Count": both titles have five bytes.
        for (const std::size_t at : records)
            if (b[at + 8] == 5 && std::memcmp(b.data() + at + 9, "Ratio", 5) == 0)
                std::memcpy(b.data() + at + 9, "Count", 5);
    });
    for (const std::uint32_t marker : {0u, 0x564E5431u, 0x564E5433u, 0x32544E56u})
        add("marker=" + std::to_string(marker), [&](Block& b) { PutU32(b, kPropVersion, marker); });
    // Cut short, with extSize telling the truth: the host holds no more than that.
    for (const std::size_t cut : {std::size_t{30}, kHeaderSize, records[1] + 4})
        add("cut to " + std::to_string(cut), [&](Block& b) {
            b.resize(cut);
            PutU32(b, kExtSize, static_cast<std::uint32_t>(cut));
        });
    return variants;
}

class HostileBlock : public ::testing::Test {
protected:
    HostileBlock()
    {
        const auto library = folder_.CopyLibrary("VantorTest.mfx");
        folder_.Write("VantorTest.json", TestSupport::FixtureText("VantorTest.json"));
        folder_.Write("Vantor.ini", "SmartPropertiesUpgradeBox=never\n");
        host_.SetWindow(reinterpret_cast<void*>(1));  // the editor
        extension_ = std::make_unique<TestSupport::LoadedExtension>(library);
        EXPECT_EQ(extension_->Initialize(host_.Record()), 0);
        extension_->TakeBoxes();
        const auto built = StandinHost::BuildStoredBlock(TestSupport::FixtureText("VantorTest.json"), values_);
        EXPECT_EQ(built.error, "");
        sound_ = built.block;
    }

    std::vector<std::wstring> Boxes() { return TestSupport::BoxLines(extension_->TakeBoxes()); }
    // An answer is the stored value or the neutral one; the only other way out is the
    // process end, with its box.
    template <class T> void ExpectAnswerOrFatal(const std::function<T()>& read, const T& sound, const T& neutral)
    {
        T answer = neutral;
        const std::optional<unsigned> ended = StandinHost::CatchProcessEnd([&] { answer = read(); });
        const auto boxes = Boxes();
        if (!ended) {
            EXPECT_TRUE(answer == sound || answer == neutral);
            return;
        }
        EXPECT_EQ(*ended, kFatalExitCode);
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(boxes.back().rfind(L"Fatal error - Vantor Test | ", 0), 0u) << boxes.back();
    }
    std::wstring Str(const void* block, const wchar_t* title)
    {
        wchar_t text[512] = {};
        extension_->Export<StrFn>("VantorTest_PropertyStr")(block, title, text, 512);
        return text;
    }
    float Num(const void* block, const wchar_t* title)
    {
        return extension_->Export<NumFn>("VantorTest_PropertyNum")(block, title);
    }
    bool Checked(const void* block, const wchar_t* title)
    {
        return extension_->Export<CheckedFn>("VantorTest_PropertyChecked")(block, title) != 0;
    }

    // UpdateEditStructure on a block the host holds in guarded memory: it gives a whole new
    // block or none, and leaves the host's block as it was.
    void ExpectSafeConversion(const Block& old)
    {
        GuardedBlock guarded(old);
        void* handed = nullptr;
        const auto ended = StandinHost::CatchProcessEnd(
            [&] { handed = extension_->Export<UpdateFn>("UpdateEditStructure")(host_.Record(), guarded.Data()); });
        EXPECT_FALSE(ended);
        // Kept, or (same titles and layout) only its version word brought up to date in place.
        Block versioned = old;
        if (old.size() >= 12)
            StandinHost::SetExtVersion(versioned, 0x101);
        const Block after = guarded.Bytes();
        EXPECT_TRUE(after == old || (!handed && after == versioned));
        Boxes();
        if (!handed)
            return;
        const Block made = TestSupport::TakeHandedBlock(handed);
        ASSERT_GE(made.size(), kHeaderSize);
        EXPECT_EQ(U32(made, kSizeBytes), made.size());
        // The new block reads without complaint: a value kept, or the default.
        std::wstring name;
        EXPECT_FALSE(StandinHost::CatchProcessEnd([&] { name = Str(made.data(), L"Name"); }));
        EXPECT_TRUE(name == L"音" || name == L"Grüße");
        EXPECT_EQ(Boxes(), std::vector<std::wstring>{});
    }

    const StandinHost::PropertyValues& values_ = TestSupport::VantorTestValues();
    TestSupport::ScratchFolder folder_;
    StandinHost::HostApplication host_;
    std::unique_ptr<TestSupport::LoadedExtension> extension_;
    Block sound_;
};

TEST_F(HostileBlock, TheSoundBlockReadsBackInEveryExport)
{
    GuardedBlock guarded(sound_);
    EXPECT_EQ(Str(guarded.Data(), L"Optional"), L"y");
    EXPECT_EQ(Num(guarded.Data(), L"Count"), 128.0f);
    EXPECT_FALSE(Checked(guarded.Data(), L"Enabled"));
    EXPECT_EQ(extension_->Export<UpdateFn>("UpdateEditStructure")(host_.Record(), guarded.Data()), nullptr);
    extension_->Export<DuplicateFn>("DuplicateObject")(host_.Record(), nullptr, guarded.Data());
    EXPECT_EQ(guarded.Bytes(), sound_);
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{});
    EXPECT_GT(HostileVariants(sound_).size(), 100u);
}

TEST_F(HostileBlock, RunTimeReadsAnswerOrEndTheProcessWithoutReadingPast)
{
    for (const Variant& variant : HostileVariants(sound_)) {
        SCOPED_TRACE(variant.name);
        GuardedBlock guarded(variant.block);
        for (const wchar_t* title : {L"Name", L"Quality", L"Optional"})
            ExpectAnswerOrFatal<std::wstring>([&] { return Str(guarded.Data(), title); }, Str(sound_.data(), title), L"");
        for (const wchar_t* title : {L"Count", L"Ratio", L"Tint"})
            ExpectAnswerOrFatal<float>([&] { return Num(guarded.Data(), title); }, Num(sound_.data(), title), 0.0f);
        for (const wchar_t* title : {L"Enabled", L"Optional"})
            ExpectAnswerOrFatal<bool>([&] { return Checked(guarded.Data(), title); }, Checked(sound_.data(), title), false);
        EXPECT_EQ(guarded.Bytes(), variant.block);
    }
}

TEST_F(HostileBlock, ConversionGivesAWholeBlockOrNoneAndNeverWritesTheHostsBlock)
{
    for (const Variant& variant : HostileVariants(sound_))
        for (const bool otherTitles : {false, true}) {
            SCOPED_TRACE(variant.name + (otherTitles ? ", other titles" : ""));
            Block old = variant.block;
            // As the host saved it under an older version, so that a conversion is due; with
            // another title hash every record is read by title.
            if (old.size() >= 12)
                StandinHost::SetExtVersion(old, 0x100);
            if (otherTitles && old.size() >= kHash + 4)
                old[kHash] ^= 0x5A;
            ExpectSafeConversion(old);
        }
}

TEST_F(HostileBlock, UnterminatedOrOverlongTextsOfTheOlderLayoutsAreNeverReadPast)
{
    const std::string definition = TestSupport::FixtureText("VantorTest.json");
    const Block preSmart = StandinHost::BuildPreSmartBlock(definition, values_).block;
    const Block vnt1 = StandinHost::BuildVnt1Block(definition, values_).block;
    const auto size = static_cast<std::uint32_t>(preSmart.size());
    std::vector<Variant> variants;
    // The last value is Optional's text: its terminator becomes a letter.
    Block unterminated = preSmart;
    unterminated.back() = 'z';
    variants.push_back({"pre-smart text without its zero", unterminated});
    Block noZeros = preSmart;
    std::replace(noZeros.begin() + kPropVersion + 4, noZeros.end(), std::uint8_t{0}, std::uint8_t{'z'});
    variants.push_back({"pre-smart without any zero", noZeros});
    for (const std::uint32_t end : {0u, 1u, 19u, 20u, size - 1, size + 1, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        Block lying = preSmart;
        PutU32(lying, kPropVersion, end);  // the end offset of the values
        variants.push_back({"pre-smart end offset " + std::to_string(end), lying});
    }
    for (const std::size_t cut : {std::size_t{1}, std::size_t{2}, std::size_t{5}}) {
        Block shorter = vnt1;
        shorter.resize(vnt1.size() - cut);
        PutU32(shorter, kExtSize, static_cast<std::uint32_t>(shorter.size()));
        variants.push_back({"VNT1 cut by " + std::to_string(cut), shorter});
    }
    for (const Variant& variant : variants) {
        SCOPED_TRACE(variant.name);
        ExpectSafeConversion(variant.block);
    }
}

TEST_F(HostileBlock, DuplicateClearsOnlyTheVisibilitySlotOfAWholeBlock)
{
    for (const Variant& variant : HostileVariants(sound_)) {
        SCOPED_TRACE(variant.name);
        Block copy = variant.block;
        if (copy.size() >= kVisibilitySlot + 4)
            PutU32(copy, kVisibilitySlot, 0x00ABCDEF);
        GuardedBlock guarded(copy);
        EXPECT_FALSE(StandinHost::CatchProcessEnd(
            [&] { extension_->Export<DuplicateFn>("DuplicateObject")(host_.Record(), nullptr, guarded.Data()); }));
        const Block after = guarded.Bytes();
        const auto boxes = Boxes();
        if (after == copy) {
            // Refused, and said so, unless the block ends before the slot: nothing to clear.
            EXPECT_TRUE(U32(copy, kExtSize) < kVisibilitySlot + 4 || boxes.size() == 1u) << boxes.size();
            continue;
        }
        Block cleared = copy;
        PutU32(cleared, kVisibilitySlot, 0);
        EXPECT_EQ(after, cleared);
    }
}

TEST_F(HostileBlock, TheSheetShowsAndReadsOrRefusesWithoutChangingTheBlock)
{
    for (const Variant& variant : HostileVariants(sound_)) {
        SCOPED_TRACE(variant.name);
        StandinHost::SheetModel sheet(host_, extension_->Library(), variant.block);
        const auto ended = StandinHost::CatchProcessEnd([&] {
            sheet.Open();
            for (const StandinHost::SheetRow& row : sheet.Rows())
                sheet.Value(row.id);
        });
        const auto boxes = Boxes();
        if (ended) {
            EXPECT_EQ(*ended, kFatalExitCode);
            ASSERT_FALSE(boxes.empty());
            EXPECT_EQ(boxes.back().rfind(L"Fatal error - Vantor Test | ", 0), 0u) << boxes.back();
        }
        // The sheet may keep its visibility array's address in the slot, but nothing else.
        EXPECT_EQ(WithoutVisibility(sheet.Block()), WithoutVisibility(variant.block));
    }
}

}  // namespace
