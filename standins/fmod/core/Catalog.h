// Everything loaded banks bring: the banks, their event descriptions, buses, VCAs and global
// parameters, found by handle or by path. Buses, VCAs and globals are shared between banks that
// declare the same path or name and live while one of those banks is loaded.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "BankDefinition.h"
#include "Handles.h"
#include "ParameterState.h"
#include "fmod_studio_common.h"

namespace FmodStandin {

struct BankRecord {
    std::string path;  // "bank:/" + name
    std::string file;  // as given to loadBankFile
    std::shared_ptr<const BankDefinition> definition;
    std::vector<Handle> events;
    std::vector<std::string> mixerKeys;
    std::vector<std::string> globalKeys;
};

struct DescriptionRecord {
    Handle bank = 0;
    std::shared_ptr<const EventDefinition> event;  // shares ownership of the bank's definition
};

struct MixerRecord {
    bool isVca = false;
    std::string path;
    float volume = 1.0f;
    int references = 0;
};

struct GlobalRecord {
    explicit GlobalRecord(std::shared_ptr<const ParameterDefinition> parameter)
        : definition(std::move(parameter)), state(*definition)
    {
    }
    std::shared_ptr<const ParameterDefinition> definition;
    ParameterState state;
    int references = 0;
};

class Catalog {
public:
    // FMOD_OK, or FMOD_ERR_EVENT_ALREADY_LOADED with the loaded bank of that name in sameBank
    // (or 0 when one of its events is loaded from another bank, named in conflict).
    FMOD_RESULT CheckAddable(const BankDefinition& bank, Handle& sameBank, std::string& conflict) const;
    Handle Add(std::shared_ptr<const BankDefinition> bank, std::string file, HandleSource& handles);
    void Remove(Handle bank);
    void Clear();

    BankRecord* Bank(Handle handle);
    DescriptionRecord* Description(Handle handle);
    MixerRecord* Mixer(Handle handle, bool isVca);
    GlobalRecord* Global(std::string_view name);

    Handle FindBank(std::string_view path) const;
    Handle FindEvent(std::string_view path) const;
    Handle FindMixer(std::string_view path, bool isVca) const;
    GlobalRecord* GlobalById(FMOD_STUDIO_PARAMETER_ID id);

    float FinalVolume(const MixerRecord& strip) const;

    const std::map<Handle, BankRecord>& Banks() const { return banks_; }
    const std::map<Handle, MixerRecord>& Mixers() const { return mixers_; }
    std::map<std::string, GlobalRecord>& Globals() { return globals_; }

private:
    void AddMixer(const std::string& path, bool isVca, BankRecord& bank, HandleSource& handles);
    void AddGlobal(const std::shared_ptr<const BankDefinition>& owner, const ParameterDefinition& parameter,
                   BankRecord& bank);

    std::map<Handle, BankRecord> banks_;
    std::map<Handle, DescriptionRecord> descriptions_;
    std::map<Handle, MixerRecord> mixers_;
    std::map<std::string, GlobalRecord> globals_;  // by folded name
    std::map<std::string, Handle> bankPaths_;      // folded paths to handles
    std::map<std::string, Handle> eventPaths_;
    std::map<std::string, Handle> mixerPaths_;
};

}  // namespace FmodStandin
