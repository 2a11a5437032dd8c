#include "standins/host/sheet/SheetModel.h"

#include <cstring>
#include <cwchar>
#include <stdexcept>

#include "standins/host/HostProps.h"

namespace StandinHost {
namespace {

using namespace Vantor::Host;

mV* Record(HostApplication& host) { return host.Record(); }

// The ID the host gives every folder's closing entry; it has no value to read.
constexpr std::int32_t kFolderEndId = 0x7FFFF;

}  // namespace

std::wstring HostValueText(const Prop* value)
{
    if (value == nullptr)
        return L"";
    switch (ClassIdOf(value)) {
    case kPropSInt:
        return std::to_wstring(reinterpret_cast<const PropSInt*>(value)->value);
    case kPropUInt:
        return std::to_wstring(reinterpret_cast<const PropUInt*>(value)->value);
    case kPropFloat: {
        wchar_t text[32];
        std::swprintf(text, 32, L"%g", static_cast<double>(reinterpret_cast<const PropFloat*>(value)->value));
        return text;
    }
    case kPropSize: {
        const auto* size = reinterpret_cast<const PropSize*>(value);
        return std::to_wstring(size->width) + L" x " + std::to_wstring(size->height);
    }
    case kPropBuff: {
        const auto* buff = reinterpret_cast<const PropBuff*>(value);
        std::wstring text;
        for (std::uint32_t i = 0; i < buff->size; ++i) {
            wchar_t hex[4];
            std::swprintf(hex, 4, L"%02X", buff->bytes[i]);
            text += (i ? L" " : L"") + std::wstring(hex);
        }
        return text;
    }
    case kPropWStr: {
        const wchar_t* text = reinterpret_cast<const PropWStr*>(value)->text;
        return text ? text : L"";
    }
    default:
        return L"?";
    }
}

SheetModel::SheetModel(HostApplication& host, const ExtensionLibrary& library, std::vector<std::uint8_t> block)
    : host_(host), library_(library), block_(std::move(block))
{
    host_.SetCallHandler([this](const HostCall& call) { return Answer(call); });
}

SheetModel::~SheetModel() { host_.SetCallHandler({}); }

std::optional<std::uint32_t> SheetModel::Answer(const HostCall& call)
{
    switch (call.code) {
    case kCallInsertProperties:
        Insert(reinterpret_cast<const PropTableEntry*>(call.arg1), static_cast<std::int32_t>(call.arg2));
        return 0;
    case kCallRemoveProperty:
        Remove(static_cast<std::int32_t>(call.arg1));
        return 0;
    case kCallRemoveProperties:
        for (auto* entry = reinterpret_cast<const PropTableEntry*>(call.arg1); entry->id != 0; ++entry)
            Remove(entry->id);
        return 0;
    case kCallRefreshProperty:
        for (SheetRow& row : rows_)
            if (row.id == static_cast<std::int32_t>(call.arg1))
                Reread(row);
        return 0;
    case kCallResizeEditData:
        if (reinterpret_cast<void*>(call.arg1) != block_.data())
            throw std::logic_error("the extension asked to resize a block that is not the object's");
        return Resize(static_cast<std::size_t>(call.arg2));
    default:
        return std::nullopt;
    }
}

// A run goes after the row it names; when that row is hidden, where it would stand in ID order.
void SheetModel::Insert(const PropTableEntry* run, std::int32_t after)
{
    std::size_t at = 0;
    bool found = false;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].id == after) {
            at = i + 1;
            found = true;
        }
    if (!found)
        for (at = 0; at < rows_.size() && (rows_[at].id == kFolderEndId || rows_[at].id < after); ++at) {
        }
    for (const PropTableEntry* entry = run; entry->id != 0 || entry->type != 0; ++entry, ++at) {
        SheetRow row;
        row.id = entry->id;
        row.name = entry->name ? entry->name : L"";
        row.type = entry->type;
        row.options = entry->options;
        rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), row);
        entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), entry);
        Reread(rows_[at]);
    }
}

void SheetModel::Remove(std::int32_t id)
{
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].id == id) {
            rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(i));
            entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
}

void SheetModel::Reread(SheetRow& row)
{
    if (row.id < 0x80000 || row.id == kFolderEndId)
        return;
    row.value = Value(row.id);
    row.checked = (row.options & 1) ? Checked(row.id) : false;
    row.enabled = Enabled(row.id);
}

std::uint32_t SheetModel::Resize(std::size_t size)
{
    if (refuseResizes_)
        return 0;
    ++resizes_;
    // A new block, as the host's reallocation gives: the old one is gone.
    std::vector<std::uint8_t> moved(size, 0);
    std::memcpy(moved.data(), block_.data(), std::min(size, block_.size()));
    const auto size32 = static_cast<std::uint32_t>(size);
    std::memcpy(moved.data(), &size32, 4);
    block_ = std::move(moved);
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(block_.data()));
}

void SheetModel::Open()
{
    rows_.clear();
    entries_.clear();
    library_.Export<GetPropertiesFunction>("GetProperties")(Record(host_), EditData(), 1);
}

const SheetRow* SheetModel::Row(const std::wstring& name) const
{
    for (const SheetRow& row : rows_)
        if (row.name == name)
            return &row;
    return nullptr;
}

std::int32_t SheetModel::IdOf(const std::wstring& name) const
{
    if (const SheetRow* row = Row(name))
        return row->id;
    throw std::invalid_argument("the sheet does not show a property of that name");
}

std::wstring SheetModel::Value(std::int32_t id)
{
    Prop* value = library_.Export<GetPropValueFunction>("GetPropValue")(Record(host_), EditData(), static_cast<std::uint32_t>(id));
    const std::wstring text = HostValueText(value);
    Release(value);
    return text;
}

void SheetModel::SetValue(std::int32_t id, Prop* value)
{
    library_.Export<SetPropValueFunction>("SetPropValue")(Record(host_), EditData(), static_cast<std::uint32_t>(id), value);
    Release(value);
    for (SheetRow& row : rows_)
        if (row.id == id)
            Reread(row);
}

void SheetModel::SetText(std::int32_t id, const std::wstring& text) { SetValue(id, MakeHostWStr(text)); }

bool SheetModel::Checked(std::int32_t id)
{
    return library_.Export<GetPropCheckFunction>("GetPropCheck")(Record(host_), EditData(), static_cast<std::uint32_t>(id)) != 0;
}

void SheetModel::SetChecked(std::int32_t id, bool checked)
{
    library_.Export<SetPropCheckFunction>("SetPropCheck")(Record(host_), EditData(), static_cast<std::uint32_t>(id), checked ? 1 : 0);
    for (SheetRow& row : rows_)
        if (row.id == id)
            Reread(row);
}

bool SheetModel::Enabled(std::int32_t id)
{
    return library_.Export<IsPropEnabledFunction>("IsPropEnabled")(Record(host_), EditData(), static_cast<std::uint32_t>(id)) != 0;
}

std::int32_t SheetModel::Press(std::int32_t id)
{
    return library_.Export<EditPropFunction>("EditProp")(Record(host_), EditData(), static_cast<std::uint32_t>(id));
}

const PropTableEntry* SheetModel::EntryOf(std::int32_t id) const
{
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].id == id)
            return entries_[i];
    return nullptr;
}

std::vector<std::wstring> SheetModel::Items(std::int32_t id)
{
    const PropTableEntry* entry = EntryOf(id);
    std::intptr_t parameter = entry ? entry->creationParameter : 0;
    const bool asked = parameter == 0;
    if (asked)
        parameter = library_.Export<GetPropCreateParamFunction>("GetPropCreateParam")(Record(host_), EditData(),
            static_cast<std::uint32_t>(id));
    std::vector<std::wstring> items;
    if (parameter != 0)
        for (auto* item = reinterpret_cast<const wchar_t* const*>(parameter) + 1; *item != nullptr; ++item)
            items.emplace_back(*item);
    if (asked && parameter != 0)
        library_.Export<ReleasePropCreateParamFunction>("ReleasePropCreateParam")(Record(host_), EditData(),
            static_cast<std::uint32_t>(id), parameter);
    return items;
}

}  // namespace StandinHost
