// A test that starts and ends with an empty process-wide record.
#pragma once

#include "standins/host/Recorder.h"

#include <gtest/gtest.h>

namespace StandinHostTests {

class FreshRecord : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static StandinHost::Recorder& Record() { return StandinHost::Recorder::Instance(); }

private:
    static void Reset() {
        Record().Clear();
        Record().SetEcho(false);
    }
};

}  // namespace StandinHostTests
