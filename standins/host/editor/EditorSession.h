// One extension library as the frame editor meets it: started in the Editor run context with an
// image filter manager, asked for its menus, texts and info records, made to create and
// duplicate objects, and asked for its icon and its picture in the frame editor.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "standins/host/ExtensionLibrary.h"
#include "standins/host/HostApplication.h"
#include "standins/host/editor/Picture.h"

namespace StandinHost {

enum class EntryKind { Action, Condition, Expression };

// An entry's info record as the editor reads it.
struct EntryInfo {
    std::int16_t id = 0;
    std::uint16_t flags = 0;
    std::vector<std::uint16_t> parameterCodes;
};

class EditorSession {
public:
    // The stand-in editor's windows: never real windows, only handed on.
    static inline void* const kMainWindow = reinterpret_cast<void*>(0x00E0D170);
    static inline void* const kFrameEditorWindow = reinterpret_cast<void*>(0x00E0D174);

    // Loads the library and gives the host the editor's windows and the stand-in's image filter
    // manager; Start() then initialises it. Throws ExtensionLibraryError.
    EditorSession(HostApplication& host, const std::filesystem::path& library);

    ExtensionLibrary& Library() { return library_; }
    // Initialize's result: 0 when ready.
    std::int32_t Start();

    // The copy of a menu the library hands out, written out by MenuText; "(no menu)" for none.
    std::wstring Menu(EntryKind kind);
    // Entries in the object's description.
    std::size_t EntryCount(EntryKind kind);
    // The display string, expression title (expressions) and parameter names, as typed in.
    std::wstring DisplayString(EntryKind kind, std::int16_t id);
    std::wstring ExpressionTitle(std::int16_t id);
    std::wstring ParameterName(EntryKind kind, std::int16_t id, std::int16_t parameter);
    // The record of an entry; none when the library gives none.
    bool Info(EntryKind kind, std::int16_t id, EntryInfo& info);

    // A new object's EDITDATA: the host allocates `hostSize` bytes (the object's description
    // size when 0), zero-filled but for its size and identifier fields, and calls CreateObject.
    struct CreatedObject {
        std::int32_t result = 0;
        std::vector<std::uint8_t> editData;  // as the library left it
    };
    CreatedObject CreateObject(std::uint32_t hostSize = 0, std::uint32_t extId = 0x4B4F4F42);
    // DuplicateObject on a copy, in place.
    void DuplicateObject(std::vector<std::uint8_t>& editData);

    // The icon MakeIconEx gives the object list, read back from a fresh host surface.
    Picture Icon();
    // EditorDisplay into a frame editor window of that size, filled with `background` first, its
    // alpha channel 0 wherever the library does not draw.
    Picture Display(std::int32_t width, std::int32_t height, const RECT& rectangle, std::uint32_t background);

private:
    HostApplication& host_;
    ExtensionLibrary library_;
};

}  // namespace StandinHost
