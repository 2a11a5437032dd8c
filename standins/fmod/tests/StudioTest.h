// A fresh, initialised studio system per test, with a test bank at hand and helpers to drive it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "BankFolder.h"
#include "CallbackLog.h"
#include "FmodStandinControl.h"
#include "fmod_studio.hpp"

// Beats every 500 ms in 4/4 on "event:/Music/Theme"; the clock steps 20 ms.
extern const char* const kTestBank;

class StudioTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    FMOD::Studio::Bank* Load(std::string_view text, std::string_view fileName = "Test.bank");
    FMOD::Studio::EventDescription* Event(const char* path);
    FMOD::Studio::EventInstance* Create(const char* path);
    // The state the control side sees, which also covers released instances.
    FMOD_STUDIO_PLAYBACK_STATE State(FMOD::Studio::EventInstance* instance);
    int Position(FMOD::Studio::EventInstance* instance);
    void Update(int times = 1);
    bool TraceHas(std::string_view text) const;
    // The instance in a fresh snapshot, or null; valid until the next call.
    const FmodStandin::InstanceInfo* Find(FMOD::Studio::EventInstance* instance);

    BankFolder folder;
    FMOD::Studio::System* system = nullptr;
    FMOD::Studio::Bank* bank = nullptr;

private:
    std::vector<FmodStandin::InstanceInfo> snapshot_;
};
