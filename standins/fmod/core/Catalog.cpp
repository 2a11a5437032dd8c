#include "Catalog.h"

#include <algorithm>

#include "ParameterDescription.h"
#include "Utf8Text.h"

namespace FmodStandin {

namespace {

std::string BankPath(const BankDefinition& bank)
{
    return "bank:/" + bank.name;
}

template <typename Map>
auto* Find(Map& map, Handle handle)
{
    const auto found = map.find(handle);
    return found == map.end() ? nullptr : &found->second;
}

Handle FindPath(const std::map<std::string, Handle>& paths, std::string_view path)
{
    const auto found = paths.find(FoldAsciiCase(path));
    return found == paths.end() ? 0 : found->second;
}

// "bus:/A/B" sits below "bus:/A", which sits below "bus:/".
std::string ParentBusPath(const std::string& path)
{
    constexpr std::size_t kRootLength = 5;
    const std::size_t slash = path.rfind('/');
    if (path.size() <= kRootLength || slash == std::string::npos || slash < kRootLength - 1) return {};
    return path.substr(0, std::max(slash, kRootLength));
}

}  // namespace

FMOD_RESULT Catalog::CheckAddable(const BankDefinition& bank, Handle& sameBank, std::string& conflict) const
{
    sameBank = FindPath(bankPaths_, BankPath(bank));
    if (sameBank != 0) return FMOD_ERR_EVENT_ALREADY_LOADED;
    for (const EventDefinition& event : bank.events) {
        if (FindPath(eventPaths_, event.path) != 0) {
            conflict = event.path;
            return FMOD_ERR_EVENT_ALREADY_LOADED;
        }
    }
    return FMOD_OK;
}

Handle Catalog::Add(std::shared_ptr<const BankDefinition> bank, std::string file, HandleSource& handles)
{
    const Handle handle = handles.Next();
    BankRecord& record = banks_[handle];
    record.path = BankPath(*bank);
    record.file = std::move(file);
    record.definition = bank;
    bankPaths_[FoldAsciiCase(record.path)] = handle;
    for (const EventDefinition& event : bank->events) {
        const Handle description = handles.Next();
        descriptions_[description] = {handle, std::shared_ptr<const EventDefinition>(bank, &event)};
        eventPaths_[FoldAsciiCase(event.path)] = description;
        record.events.push_back(description);
    }
    for (const std::string& bus : bank->buses) AddMixer(bus, false, record, handles);
    for (const std::string& vca : bank->vcas) AddMixer(vca, true, record, handles);
    for (const ParameterDefinition& global : bank->globals) AddGlobal(bank, global, record);
    return handle;
}

void Catalog::AddMixer(const std::string& path, bool isVca, BankRecord& bank, HandleSource& handles)
{
    const std::string key = FoldAsciiCase(path);
    Handle& handle = mixerPaths_[key];
    if (handle == 0) {
        handle = handles.Next();
        mixers_[handle] = {isVca, path, 1.0f, 0};
    }
    ++mixers_[handle].references;
    bank.mixerKeys.push_back(key);
}

void Catalog::AddGlobal(const std::shared_ptr<const BankDefinition>& owner, const ParameterDefinition& parameter,
                        BankRecord& bank)
{
    const std::string key = FoldAsciiCase(parameter.name);
    auto found = globals_.find(key);
    if (found == globals_.end()) {
        found = globals_.emplace(key, GlobalRecord(std::shared_ptr<const ParameterDefinition>(owner, &parameter))).first;
    }
    ++found->second.references;
    bank.globalKeys.push_back(key);
}

void Catalog::Remove(Handle bank)
{
    const auto found = banks_.find(bank);
    if (found == banks_.end()) return;
    BankRecord& record = found->second;
    for (const Handle description : record.events) {
        eventPaths_.erase(FoldAsciiCase(descriptions_.at(description).event->path));
        descriptions_.erase(description);
    }
    for (const std::string& key : record.mixerKeys) {
        const Handle strip = mixerPaths_.at(key);
        if (--mixers_.at(strip).references == 0) {
            mixers_.erase(strip);
            mixerPaths_.erase(key);
        }
    }
    for (const std::string& key : record.globalKeys) {
        if (--globals_.at(key).references == 0) globals_.erase(key);
    }
    bankPaths_.erase(FoldAsciiCase(record.path));
    banks_.erase(found);
}

void Catalog::Clear()
{
    banks_.clear();
    descriptions_.clear();
    mixers_.clear();
    globals_.clear();
    bankPaths_.clear();
    eventPaths_.clear();
    mixerPaths_.clear();
}

BankRecord* Catalog::Bank(Handle handle)
{
    return Find(banks_, handle);
}

DescriptionRecord* Catalog::Description(Handle handle)
{
    return Find(descriptions_, handle);
}

MixerRecord* Catalog::Mixer(Handle handle, bool isVca)
{
    MixerRecord* strip = Find(mixers_, handle);
    return strip != nullptr && strip->isVca == isVca ? strip : nullptr;
}

GlobalRecord* Catalog::Global(std::string_view name)
{
    const auto found = globals_.find(FoldAsciiCase(name));
    return found == globals_.end() ? nullptr : &found->second;
}

Handle Catalog::FindBank(std::string_view path) const
{
    return FindPath(bankPaths_, path);
}

Handle Catalog::FindEvent(std::string_view path) const
{
    return FindPath(eventPaths_, path);
}

Handle Catalog::FindMixer(std::string_view path, bool isVca) const
{
    const Handle handle = FindPath(mixerPaths_, path);
    return handle != 0 && mixers_.at(handle).isVca == isVca ? handle : 0;
}

GlobalRecord* Catalog::GlobalById(FMOD_STUDIO_PARAMETER_ID id)
{
    for (auto& [key, global] : globals_) {
        if (SameParameterId(ParameterIdFor({}, global.definition->name), id)) return &global;
    }
    return nullptr;
}

float Catalog::FinalVolume(const MixerRecord& strip) const
{
    float volume = strip.volume;
    if (strip.isVca) return volume;
    for (std::string parent = ParentBusPath(strip.path); !parent.empty(); parent = ParentBusPath(parent)) {
        const Handle handle = FindPath(mixerPaths_, parent);
        if (handle != 0) volume *= mixers_.at(handle).volume;
    }
    return volume;
}

}  // namespace FmodStandin
