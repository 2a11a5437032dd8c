#include "ProbeLibrary.h"

#include <cstdlib>
#include <string>

namespace StandinHostTests {

std::filesystem::path TestFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return std::filesystem::path(path).parent_path();
        }
        path.resize(path.size() * 2);
    }
}

std::filesystem::path ProbeLibrary::Path() { return TestFolder() / L"standin_probe" / L"standin_probe.dll"; }

std::filesystem::path ProbeLibrary::CompanionPath() {
    return TestFolder() / L"standin_probe" / L"standin_probe_companion.dll";
}

ProbeLibrary::ProbeLibrary() : library_(Path()) {}

int ProbeLibrary::ShowBoxW(HWND owner, const wchar_t* title, const wchar_t* text, UINT style) const {
    return library_.Export<int(__stdcall*)(HWND, const wchar_t*, const wchar_t*, UINT)>("ProbeShowBoxW")(owner, title,
                                                                                                         text, style);
}

int ProbeLibrary::ShowBoxA(HWND owner, const char* title, const char* text, UINT style) const {
    return library_.Export<int(__stdcall*)(HWND, const char*, const char*, UINT)>("ProbeShowBoxA")(owner, title, text,
                                                                                                   style);
}

void ProbeLibrary::LogW(const wchar_t* text) const {
    library_.Export<void(__stdcall*)(const wchar_t*)>("ProbeLogW")(text);
}

void ProbeLibrary::LogA(const char* text) const { library_.Export<void(__stdcall*)(const char*)>("ProbeLogA")(text); }

void ProbeLibrary::LogFromTwoThreads(int count) const {
    library_.Export<void(__stdcall*)(int)>("ProbeLogFromTwoThreads")(count);
}

bool ProbeLibrary::SeesDebugger() const { return library_.Export<BOOL(__stdcall*)()>("ProbeSeesDebugger")() != FALSE; }

std::uint32_t ProbeLibrary::HostVersion(const Vantor::Host::mV* mv) const {
    return library_.Export<std::uint32_t(__stdcall*)(const Vantor::Host::mV*)>("ProbeHostVersion")(mv);
}

std::uint32_t ProbeLibrary::HostCall(const Vantor::Host::mV* mv, void* edPtr, std::int32_t code, std::intptr_t arg1,
                                     std::intptr_t arg2, std::intptr_t arg3) const {
    using Call = std::uint32_t(__stdcall*)(const Vantor::Host::mV*, void*, std::int32_t, std::intptr_t, std::intptr_t,
                                           std::intptr_t);
    return library_.Export<Call>("ProbeHostCall")(mv, edPtr, code, arg1, arg2, arg3);
}

int ProbeLibrary::CompanionValue() const { return library_.Export<int(__stdcall*)()>("ProbeCompanionValue")(); }

void ProbeLibrary::EndProcess() const {
    library_.Export<void(__stdcall*)()>("ProbeEndProcess")();
    std::abort();  // not reached: the probe ends the process with exit code 3
}

}  // namespace StandinHostTests
