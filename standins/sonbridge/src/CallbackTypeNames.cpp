// The names of the twenty event callback types, both ways.
#include <array>
#include <string_view>

#include "studio/Sonbridge.h"

namespace {

struct CallbackTypeName {
    std::string_view name;
    unsigned type;
};

constexpr std::array<CallbackTypeName, 20> kNames{{
    {"CREATED", FMOD_STUDIO_EVENT_CALLBACK_CREATED},
    {"DESTROYED", FMOD_STUDIO_EVENT_CALLBACK_DESTROYED},
    {"STARTING", FMOD_STUDIO_EVENT_CALLBACK_STARTING},
    {"STARTED", FMOD_STUDIO_EVENT_CALLBACK_STARTED},
    {"RESTARTED", FMOD_STUDIO_EVENT_CALLBACK_RESTARTED},
    {"STOPPED", FMOD_STUDIO_EVENT_CALLBACK_STOPPED},
    {"START_FAILED", FMOD_STUDIO_EVENT_CALLBACK_START_FAILED},
    {"CREATE_PROGRAMMER_SOUND", FMOD_STUDIO_EVENT_CALLBACK_CREATE_PROGRAMMER_SOUND},
    {"DESTROY_PROGRAMMER_SOUND", FMOD_STUDIO_EVENT_CALLBACK_DESTROY_PROGRAMMER_SOUND},
    {"PLUGIN_CREATED", FMOD_STUDIO_EVENT_CALLBACK_PLUGIN_CREATED},
    {"PLUGIN_DESTROYED", FMOD_STUDIO_EVENT_CALLBACK_PLUGIN_DESTROYED},
    {"TIMELINE_MARKER", FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER},
    {"TIMELINE_BEAT", FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT},
    {"SOUND_PLAYED", FMOD_STUDIO_EVENT_CALLBACK_SOUND_PLAYED},
    {"SOUND_STOPPED", FMOD_STUDIO_EVENT_CALLBACK_SOUND_STOPPED},
    {"REAL_TO_VIRTUAL", FMOD_STUDIO_EVENT_CALLBACK_REAL_TO_VIRTUAL},
    {"VIRTUAL_TO_REAL", FMOD_STUDIO_EVENT_CALLBACK_VIRTUAL_TO_REAL},
    {"START_EVENT_COMMAND", FMOD_STUDIO_EVENT_CALLBACK_START_EVENT_COMMAND},
    {"NESTED_TIMELINE_BEAT", FMOD_STUDIO_EVENT_CALLBACK_NESTED_TIMELINE_BEAT},
    {"ALL", FMOD_STUDIO_EVENT_CALLBACK_ALL},
}};

constexpr std::size_t kLongestName = 24;  // "DESTROY_PROGRAMMER_SOUND"

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameIgnoringAsciiCase(std::string_view text, std::string_view name)
{
    if (text.size() != name.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (UpperAscii(text[i]) != name[i]) return false;
    }
    return true;
}

}  // namespace

std::string Sonbridge::CallbackTypeToString(unsigned type)
{
    for (const CallbackTypeName& entry : kNames) {
        if (entry.type == type) return std::string(entry.name);
    }
    return {};
}

unsigned Sonbridge::StringToCallbackType(const std::string& name)
{
    if (name.size() > kLongestName) return 0;
    for (const CallbackTypeName& entry : kNames) {
        if (SameIgnoringAsciiCase(name, entry.name)) return entry.type;
    }
    return 0;
}
