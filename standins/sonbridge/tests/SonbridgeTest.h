// Both stand-ins back at their start before and after each test.
#pragma once

#include <gtest/gtest.h>

#include "FmodStandinControl.h"
#include "SonbridgeStandinControl.h"

class SonbridgeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SonbridgeStandin::Reset();
        ASSERT_EQ(FmodStandin::Reset(), FMOD_OK);
    }

    void TearDown() override
    {
        SonbridgeStandin::Reset();
        EXPECT_EQ(FmodStandin::Reset(), FMOD_OK);
    }
};
