#include <gtest/gtest.h>

#include <string>

#include "studio/Sonbridge.h"

namespace {

struct NamedType {
    const char* name;
    unsigned type;
};

const NamedType kAll[] = {
    {"CREATED", 0x1},
    {"DESTROYED", 0x2},
    {"STARTING", 0x4},
    {"STARTED", 0x8},
    {"RESTARTED", 0x10},
    {"STOPPED", 0x20},
    {"START_FAILED", 0x40},
    {"CREATE_PROGRAMMER_SOUND", 0x80},
    {"DESTROY_PROGRAMMER_SOUND", 0x100},
    {"PLUGIN_CREATED", 0x200},
    {"PLUGIN_DESTROYED", 0x400},
    {"TIMELINE_MARKER", 0x800},
    {"TIMELINE_BEAT", 0x1000},
    {"SOUND_PLAYED", 0x2000},
    {"SOUND_STOPPED", 0x4000},
    {"REAL_TO_VIRTUAL", 0x8000},
    {"VIRTUAL_TO_REAL", 0x10000},
    {"START_EVENT_COMMAND", 0x20000},
    {"NESTED_TIMELINE_BEAT", 0x40000},
    {"ALL", 0xFFFFFFFF},
};

}  // namespace

TEST(SonbridgeCallbackNames, EveryNameMapsToItsFlagAndBack)
{
    for (const NamedType& entry : kAll) {
        EXPECT_EQ(Sonbridge::StringToCallbackType(entry.name), entry.type) << entry.name;
        EXPECT_EQ(Sonbridge::CallbackTypeToString(entry.type), entry.name) << entry.type;
    }
    EXPECT_EQ(Sonbridge::StringToCallbackType("TIMELINE_BEAT"),
              static_cast<unsigned>(FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT));
}

TEST(SonbridgeCallbackNames, NamesMatchWholeWithoutRegardToAsciiCase)
{
    EXPECT_EQ(Sonbridge::StringToCallbackType("timeline_marker"), 0x800u);
    EXPECT_EQ(Sonbridge::StringToCallbackType("Started"), 0x8u);
    EXPECT_EQ(Sonbridge::StringToCallbackType(""), 0u);
    EXPECT_EQ(Sonbridge::StringToCallbackType(" STARTED"), 0u);
    EXPECT_EQ(Sonbridge::StringToCallbackType("STARTED "), 0u);
    EXPECT_EQ(Sonbridge::StringToCallbackType("START"), 0u);
    EXPECT_EQ(Sonbridge::StringToCallbackType("FMOD_STUDIO_EVENT_CALLBACK_STARTED"), 0u);
    EXPECT_EQ(Sonbridge::StringToCallbackType(std::string("STARTED\0X", 9)), 0u);
    EXPECT_EQ(Sonbridge::StringToCallbackType("STÄRTED"), 0u);
    EXPECT_EQ(Sonbridge::StringToCallbackType(std::string(100000, 'A')), 0u);
}

TEST(SonbridgeCallbackNames, AnythingButASingleKnownFlagHasNoName)
{
    EXPECT_EQ(Sonbridge::CallbackTypeToString(0), "");
    EXPECT_EQ(Sonbridge::CallbackTypeToString(0x3), "");
    EXPECT_EQ(Sonbridge::CallbackTypeToString(0x80000), "");
    EXPECT_EQ(Sonbridge::CallbackTypeToString(0x80000000u), "");
}
