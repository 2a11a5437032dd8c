// The test extension started as a built game, with a frame to create its objects in.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "standins/host/Frame.h"
#include "standins/host/HostApplication.h"
#include "tests/dll/support/Extension.h"
#include "tests/dll/support/ScratchFolder.h"

namespace TestSupport {

class RuntimeSession {
public:
    // `definition` defaults to tests/fixtures/VantorTest.json.
    explicit RuntimeSession(std::string definition = {});

    StandinHost::HostApplication& Host() { return host_; }
    LoadedExtension& Extension() { return *extension_; }
    StandinHost::Frame& Frame() { return *frame_; }
    StandinHost::RunObject& CreateObject(void* editData = nullptr);

    // What the test extension's members recorded since the last take, one call a line.
    std::wstring TakeCalls();
    std::vector<std::wstring> TakeBoxLines();
    std::vector<std::wstring> TakeLogLines();

private:
    ScratchFolder folder_;
    StandinHost::HostApplication host_;
    std::unique_ptr<LoadedExtension> extension_;
    std::unique_ptr<StandinHost::Frame> frame_;
};

// A test with one object of the test extension, created before each test.
class OneObjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        object_ = &session_.CreateObject();
        session_.TakeCalls();
    }

    RuntimeSession session_;
    StandinHost::RunObject* object_ = nullptr;
};

}  // namespace TestSupport
