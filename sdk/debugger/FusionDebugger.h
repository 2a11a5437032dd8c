// The items an object shows in the host's debugger: labelled integers and texts, read (and
// optionally edited) through functions of the Extension.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace Vantor {

class ExtensionBase;

struct DebugItem {
    using ReadInt = std::int32_t (*)(ExtensionBase& owner);
    using EditInt = bool (*)(ExtensionBase& owner, std::int32_t& value);
    using ReadText = void (*)(ExtensionBase& owner, std::u16string& value);
    using EditText = bool (*)(ExtensionBase& owner, std::u16string& value);

    bool isInt = false;
    std::u16string label;
    std::int32_t cachedInt = 0;
    std::u16string cachedText;  // the label, then the value text
    bool noDialog = false;
    std::int64_t refreshInterval = 0;  // milliseconds; 0 re-reads at every request
    std::uint64_t nextRefresh = 0;     // tick count at or after which the item is read again
    ReadInt readInt = nullptr;
    EditInt editInt = nullptr;
    ReadText readText = nullptr;
    EditText editText = nullptr;
};

// What the host's edit box answered: the new value, or nothing when cancelled.
struct DebugEditBox {
    virtual ~DebugEditBox() = default;
    virtual bool EditText(std::u16string& text, std::size_t maxLength) = 0;
    virtual bool EditInt(std::int32_t& value) = 0;
};

// Thrown for item IDs the host never sends for a well-formed tree.
struct DebugItemError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// Thrown when a text must be stored whole but does not fit; the caller ends the process.
struct DebugTextTooLong : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class FusionDebugger {
public:
    static constexpr std::size_t kMaxText = 255;      // label and value, without the terminator
    static constexpr std::uint16_t kTreeEnd = 0xFFFF;

    explicit FusionDebugger(ExtensionBase* owner);

    // Adds an item and shows it at the end of the tree; returns its ID.
    std::uint16_t AddItem(DebugItem item);

    const std::uint16_t* Tree() const { return tree_.data(); }
    std::size_t ItemCount() const { return items_.size(); }

    // The item's text as the host shows it, read again when due.
    const std::u16string& ItemText(std::int32_t id, std::uint64_t now);
    // Lets the user change the item, through the host's edit box unless the item has noDialog.
    void EditItem(std::int32_t id, DebugEditBox& box, std::uint64_t now);

private:
    DebugItem& Item(std::int32_t id);
    static void StoreText(DebugItem& item, const std::u16string& value, bool mayCut);

    ExtensionBase* owner_;
    std::vector<DebugItem> items_;
    std::vector<std::uint16_t> tree_;
};

}  // namespace Vantor
