#include "tests/dll/support/AudioSession.h"

#include <stdexcept>

#include "FmodStandinControl.h"
#include "SonbridgeStandinControl.h"

namespace TestSupport {
namespace {

void ResetAudio()
{
    SonbridgeStandin::Reset();
    FmodStandin::Reset();
}

std::unique_ptr<LoadedExtension> Started(const ScratchFolder& folder, const char* name,
                                         StandinHost::HostApplication& host)
{
    auto library = std::make_unique<LoadedExtension>(folder.CopyLibrary(name));
    if (library->Initialize(host.Record()) != 0)
        throw std::runtime_error(std::string(name) + " did not start");
    library->TakeBoxes();
    return library;
}

}  // namespace

std::string SampleBank(const char* file)
{
    return std::string(VANTOR_SOURCE_DIR) + "/examples/banks/" + file;
}

StandinHost::PropertyValues SampleBankProperties()
{
    return {{"Master Bank Path", SampleBank("Master.bank")},
            {"Master Strings Bank Path", SampleBank("Master.strings.bank")}};
}

AudioSession::AudioSession()
{
    ResetAudio();
    studio_ = Started(folder_, "Tonvale.mfx", host_);
    instance_ = Started(folder_, "Velisse.mfx", host_);
    frame_ = std::make_unique<StandinHost::Frame>(host_, StandinHost::RunHeaderOptions{.objectListCount = 2});
}

AudioSession::~AudioSession()
{
    frame_.reset();
    // No callback may reach a library once it is freed.
    ResetAudio();
}

StandinHost::RunObject& AudioSession::CreateStudio(const StandinHost::PropertyValues& values)
{
    static const std::string definition =
        ReadFileBytes(std::filesystem::path(VANTOR_SOURCE_DIR) / "studio" / "Tonvale.json");
    StandinHost::StoredBlockResult stored = StandinHost::BuildStoredBlock(definition, values);
    if (stored.block.empty())
        throw std::runtime_error("no stored block: " + stored.error);
    blocks_.push_back(std::move(stored.block));
    return frame_->Create(studio_->Library(), {.editData = blocks_.back().data()});
}

StandinHost::RunObject& AudioSession::CreateInstanceObject()
{
    return frame_->Create(instance_->Library());
}

void AudioSession::Tick(int frames)
{
    for (int i = 0; i < frames; ++i)
        frame_->Tick();
}

std::vector<std::wstring> AudioSession::TakeBoxLines()
{
    std::vector<std::wstring> lines = BoxLines(studio_->TakeBoxes());
    for (std::wstring& line : BoxLines(instance_->TakeBoxes()))
        lines.push_back(std::move(line));
    return lines;
}

InstanceObjectTest::InstanceObjectTest()
    : studio(session.CreateStudio()), object(session.CreateInstanceObject())
{
    studio.Action(0, {StandinHost::Parameter::Text(std::filesystem::path(SampleBank("Game.bank")).wstring())});
}

void InstanceObjectTest::Create(const wchar_t* path)
{
    object.Action(0, {StandinHost::Parameter::Text(path)});
}

}  // namespace TestSupport
