// Loading, finding and unloading banks.
#include "Studio.h"

#include <memory>

#include "BankFile.h"
#include "BankReader.h"
#include "Limits.h"
#include "OutText.h"
#include "ResultText.h"
#include "Utf8Text.h"

namespace FmodStandin {

namespace {

constexpr FMOD_STUDIO_LOAD_BANK_FLAGS kKnownLoadFlags =
    FMOD_STUDIO_LOAD_BANK_NONBLOCKING | FMOD_STUDIO_LOAD_BANK_DECOMPRESS_SAMPLES | FMOD_STUDIO_LOAD_BANK_UNENCRYPTED;

std::string Counted(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string Contents(const BankDefinition& bank)
{
    return Counted(bank.events.size(), "event", "events") + ", " + Counted(bank.buses.size(), "bus", "buses") + ", " +
           Counted(bank.vcas.size(), "VCA", "VCAs") + ", " +
           Counted(bank.globals.size(), "global parameter", "global parameters");
}

}  // namespace

FMOD_RESULT Studio::LoadBankFile(Handle system, const char* file, FMOD_STUDIO_LOAD_BANK_FLAGS flags, Handle& bank)
{
    const Lock lock(mutex_);
    bank = 0;
    if (const FMOD_RESULT result = Ready(system); result != FMOD_OK) return result;
    const auto path = BoundedText(file, Limits::kFilePathBytes);
    if (!path || (flags & ~kKnownLoadFlags) != 0) return FMOD_ERR_INVALID_PARAM;
    const std::string quoted = "\"" + std::string(*path) + "\"";

    const BankFileText text = ReadBankFile(*path);
    if (text.result != FMOD_OK) {
        Note("bank load failed: " + quoted + ": " + ResultText(text.result));
        return text.result;
    }
    BankReadResult read = ReadBankText(text.text);
    if (!read.ok) {
        Note("bank load failed: " + quoted + ": FMOD_ERR_FORMAT at line " + std::to_string(read.errorLine) + ": " +
             read.error);
        return FMOD_ERR_FORMAT;
    }
    Handle sameBank = 0;
    std::string conflict;
    if (const FMOD_RESULT result = catalog_.CheckAddable(read.bank, sameBank, conflict); result != FMOD_OK) {
        bank = sameBank;
        Note(sameBank != 0 ? "bank already loaded: bank:/" + read.bank.name + " (" + quoted + ")"
                           : "bank load failed: " + quoted + ": " + conflict + " is loaded from another bank");
        return result;
    }
    if (catalog_.Banks().size() >= Limits::kLoadedBanks) return FMOD_ERR_MEMORY;
    const std::string contents = Contents(read.bank);
    bank = catalog_.Add(std::make_shared<const BankDefinition>(std::move(read.bank)), std::string(*path), handles_);
    Note("bank loaded: " + catalog_.Bank(bank)->path + " from " + quoted + " (" + contents + ")");
    return FMOD_OK;
}

FMOD_RESULT Studio::GetBank(Handle system, const char* path, Handle& bank)
{
    const Lock lock(mutex_);
    bank = 0;
    if (const FMOD_RESULT result = Ready(system); result != FMOD_OK) return result;
    const auto text = BoundedText(path, Limits::kPathBytes);
    if (!text) return FMOD_ERR_INVALID_PARAM;
    bank = catalog_.FindBank(*text);
    return bank != 0 ? FMOD_OK : FMOD_ERR_EVENT_NOTFOUND;
}

FMOD_RESULT Studio::GetBankList(Handle system, std::vector<Handle>& banks)
{
    const Lock lock(mutex_);
    banks.clear();
    if (const FMOD_RESULT result = Ready(system); result != FMOD_OK) return result;
    for (const auto& [handle, record] : catalog_.Banks()) banks.push_back(handle);
    return FMOD_OK;
}

bool Studio::IsBank(Handle bank)
{
    const Lock lock(mutex_);
    return catalog_.Bank(bank) != nullptr;
}

FMOD_RESULT Studio::UnloadBank(Handle bank)
{
    const Lock lock(mutex_);
    const BankRecord* record = catalog_.Bank(bank);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    HaltInstancesOf(bank);
    const std::string path = record->path;
    catalog_.Remove(bank);
    Note("bank unloaded: " + path);
    return FMOD_OK;
}

FMOD_RESULT Studio::GetBankPath(Handle bank, char* path, int size, int* retrieved)
{
    const Lock lock(mutex_);
    const BankRecord* record = catalog_.Bank(bank);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    return CopyOutText(record->path, path, size, retrieved);
}

FMOD_RESULT Studio::GetBankLoadingState(Handle bank, FMOD_STUDIO_LOADING_STATE* state)
{
    const Lock lock(mutex_);
    if (catalog_.Bank(bank) == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (state == nullptr) return FMOD_ERR_INVALID_PARAM;
    *state = FMOD_STUDIO_LOADING_STATE_LOADED;
    return FMOD_OK;
}

FMOD_RESULT Studio::GetBankEvents(Handle bank, std::vector<Handle>& events)
{
    const Lock lock(mutex_);
    events.clear();
    const BankRecord* record = catalog_.Bank(bank);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    events = record->events;
    return FMOD_OK;
}

}  // namespace FmodStandin
