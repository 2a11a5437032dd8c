// The test extension's own exports: they reach framework pieces that the host's exports do not
// show directly (log lines, boxes, settings, the environment record), so tests can drive them
// inside the real library.
#pragma once

#include <cstdint>

#include "sdk/host/HostRecords.h"

namespace TestExtension {

struct EnvironmentSnapshot {
    std::int32_t runContext;
    std::uint32_t mainThreadId;
    std::uint32_t hostVersion;
    std::int32_t isFusion25;
    std::int32_t underWine;
    std::int32_t extensionPack;
    wchar_t languageCode[3];
    wchar_t languageName[64];
};

enum BoxKind : std::int32_t { kError = 0, kInfo = 1, kWarning = 2, kYesNo = 3 };
enum PathKind : std::int32_t { kLibrary = 0, kLibraryFolder, kExtensionsFolder, kHostRoot, kHostExecutable };

using LogFn = void(VANTOR_HOSTCALL*)(std::int32_t level, const wchar_t* format, const wchar_t* argument);
using BoxFn = std::int32_t(VANTOR_HOSTCALL*)(std::int32_t kind, const wchar_t* title, const wchar_t* format,
                                             const wchar_t* argument);
using ReadSettingFn = std::int32_t(VANTOR_HOSTCALL*)(const char* key, char* value, std::int32_t capacity);
using EnvironmentFn = void(VANTOR_HOSTCALL*)(EnvironmentSnapshot* snapshot);
using FatalFn = void(VANTOR_HOSTCALL*)(const wchar_t* text);
using RequireMainThreadFn = void(VANTOR_HOSTCALL*)();
using PathFn = std::int32_t(VANTOR_HOSTCALL*)(std::int32_t which, wchar_t* path, std::int32_t capacity);

}  // namespace TestExtension
