// Both audio products loaded in one process as a built game has them: one host application,
// both libraries initialised, one frame holding studio and event-instance objects. The audio
// stand-ins are process-wide, so a session resets them when it starts and when it ends.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "standins/host/Frame.h"
#include "standins/host/HostApplication.h"
#include "standins/host/editor/StoredBlock.h"
#include "tests/dll/support/Extension.h"
#include "tests/dll/support/ScratchFolder.h"

namespace TestSupport {

// A sample bank of examples/banks by file name, as an absolute path.
std::string SampleBank(const char* file);
// Studio properties naming the sample master and strings banks.
StandinHost::PropertyValues SampleBankProperties();

class AudioSession {
public:
    AudioSession();
    ~AudioSession();
    AudioSession(const AudioSession&) = delete;
    AudioSession& operator=(const AudioSession&) = delete;

    StandinHost::Frame& Frame() { return *frame_; }
    LoadedExtension& Studio() { return *studio_; }
    LoadedExtension& Instance() { return *instance_; }
    const ScratchFolder& Folder() const { return folder_; }

    // A studio object from a stored block with these property values (others at their defaults).
    StandinHost::RunObject& CreateStudio(const StandinHost::PropertyValues& values = SampleBankProperties());
    StandinHost::RunObject& CreateInstanceObject();
    // Host frames: every object handled once per frame.
    void Tick(int frames = 1);

    // Boxes both libraries showed since the last take.
    std::vector<std::wstring> TakeBoxLines();

private:
    ScratchFolder folder_;
    StandinHost::HostApplication host_;
    std::unique_ptr<LoadedExtension> studio_;
    std::unique_ptr<LoadedExtension> instance_;
    std::deque<std::vector<std::uint8_t>> blocks_;  // outlive the objects made from them
    std::unique_ptr<StandinHost::Frame> frame_;
};

// A test with a studio object whose game bank is loaded, and one event-instance object.
class InstanceObjectTest : public ::testing::Test {
protected:
    InstanceObjectTest();

    // Create event instance from `path`.
    void Create(const wchar_t* path);

    AudioSession session;
    StandinHost::RunObject& studio;
    StandinHost::RunObject& object;
};

}  // namespace TestSupport
