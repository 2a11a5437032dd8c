// The host's property sheet for one object: it inserts the extension's table, shows and hides
// rows as the extension asks (codes 1 to 4, re-reading a row on refresh), moves the object's
// block when asked to resize it (code 5), and lets a test or a person read and edit values as
// a user would.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sdk/host/PropertySheet.h"
#include "standins/host/ExtensionLibrary.h"
#include "standins/host/HostApplication.h"

namespace StandinHost {

struct SheetRow {
    std::int32_t id = 0;
    std::wstring name;
    std::uint32_t type = 0;
    std::uint32_t options = 0;
    // As the sheet last read them: on insertion and on refresh.
    std::wstring value;
    bool checked = false;
    bool enabled = true;
};

class SheetModel {
public:
    // Takes over the host's call handler while it lives.
    SheetModel(HostApplication& host, const ExtensionLibrary& library, std::vector<std::uint8_t> block);
    ~SheetModel();
    SheetModel(const SheetModel&) = delete;
    SheetModel& operator=(const SheetModel&) = delete;

    void Open();  // GetProperties
    const std::vector<SheetRow>& Rows() const { return rows_; }
    const SheetRow* Row(const std::wstring& name) const;
    std::int32_t IdOf(const std::wstring& name) const;  // throws when the sheet does not show it

    // The value as the extension gives it now, as text.
    std::wstring Value(std::int32_t id);
    void SetValue(std::int32_t id, Vantor::Host::Prop* value);  // released afterwards
    void SetText(std::int32_t id, const std::wstring& text);
    bool Checked(std::int32_t id);
    void SetChecked(std::int32_t id, bool checked);
    bool Enabled(std::int32_t id);
    std::int32_t Press(std::int32_t id);  // EditProp
    // A list's items: its table parameter, or what GetPropCreateParam gives.
    std::vector<std::wstring> Items(std::int32_t id);

    const std::vector<std::uint8_t>& Block() const { return block_; }
    void* EditData() { return block_.data(); }
    void RefuseResizes(bool refuse) { refuseResizes_ = refuse; }
    std::size_t Resizes() const { return resizes_; }

private:
    std::optional<std::uint32_t> Answer(const HostCall& call);
    void Insert(const Vantor::Host::PropTableEntry* run, std::int32_t after);
    void Remove(std::int32_t id);
    void Reread(SheetRow& row);
    std::uint32_t Resize(std::size_t size);
    const Vantor::Host::PropTableEntry* EntryOf(std::int32_t id) const;

    HostApplication& host_;
    const ExtensionLibrary& library_;
    std::vector<std::uint8_t> block_;
    std::vector<SheetRow> rows_;
    std::vector<const Vantor::Host::PropTableEntry*> entries_;  // beside rows_, for parameters
    bool refuseResizes_ = false;
    std::size_t resizes_ = 0;
};

// A value object the extension made, as text: numbers in decimal, sizes as "W x H", data in hex.
std::wstring HostValueText(const Vantor::Host::Prop* value);

}  // namespace StandinHost
