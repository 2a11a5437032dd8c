#include "sdk/debugger/FusionDebugger.h"

namespace Vantor {
namespace {

constexpr std::size_t kReservedItems = 128;
constexpr std::uint64_t kNeverRefresh = 0xFFFFFFFF;
constexpr char16_t kEllipsis = u'\u2026';

std::u16string Decimal(std::int32_t value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

FusionDebugger::FusionDebugger(ExtensionBase* owner) : owner_(owner)
{
    items_.reserve(kReservedItems);
    tree_.reserve(kReservedItems + 1);
    tree_.push_back(kTreeEnd);
}

std::uint16_t FusionDebugger::AddItem(DebugItem item)
{
    const auto id = static_cast<std::uint16_t>(items_.size());
    if (item.cachedText.empty())
        item.cachedText = item.label;
    items_.push_back(std::move(item));
    tree_.back() = id;
    tree_.push_back(kTreeEnd);
    return id;
}

DebugItem& FusionDebugger::Item(std::int32_t id)
{
    if (id < 0 || static_cast<std::size_t>(id) >= items_.size())
        throw DebugItemError("Couldn't find debug ID in Fusion debugger list.");
    return items_[static_cast<std::size_t>(id)];
}

// The label stays; the value behind it is replaced, cut with an ellipsis when allowed.
void FusionDebugger::StoreText(DebugItem& item, const std::u16string& value, bool mayCut)
{
    if (item.label.size() + value.size() <= kMaxText) {
        item.cachedText = item.label + value;
        return;
    }
    if (!mayCut)
        throw DebugTextTooLong("Text passed to Fusion debugger item is too long.");
    const std::size_t room = item.label.size() < kMaxText - 3 ? kMaxText - 3 - item.label.size() : 0;
    item.cachedText = item.label.substr(0, kMaxText - 3) + value.substr(0, room) + kEllipsis;
}

const std::u16string& FusionDebugger::ItemText(std::int32_t id, std::uint64_t now)
{
    DebugItem& item = Item(id);
    const bool hasReader = item.isInt ? item.readInt != nullptr : item.readText != nullptr;
    if (hasReader && (item.refreshInterval == 0 || now >= item.nextRefresh)) {
        if (item.isInt) {
            item.cachedInt = item.readInt(*owner_);
            item.cachedText = item.label + Decimal(item.cachedInt);
        } else {
            std::u16string value = item.cachedText.substr(item.label.size());
            item.readText(*owner_, value);
            StoreText(item, value, true);
        }
        const auto interval = static_cast<std::uint64_t>(item.refreshInterval);
        if (interval != 0 && interval != kNeverRefresh)
            item.nextRefresh = now + interval;
    }
    return item.cachedText;
}

void FusionDebugger::EditItem(std::int32_t id, DebugEditBox& box, std::uint64_t now)
{
    DebugItem& item = Item(id);
    if (!item.isInt && item.editText) {
        std::u16string value = item.cachedText.substr(item.label.size(), kMaxText);
        if (!item.noDialog && !box.EditText(value, kMaxText))
            return;
        if (item.editText(*owner_, value))
            StoreText(item, value, true);
        item.nextRefresh = now;
    } else if (item.isInt && item.editInt) {
        std::int32_t value = item.cachedInt;
        if (!item.noDialog && !box.EditInt(value))
            return;
        if (item.editInt(*owner_, value)) {
            item.cachedInt = value;
            item.cachedText = item.label + Decimal(value);
        }
        item.nextRefresh = now;
    } else {
        throw DebugItemError("Item not editable.");
    }
}

}  // namespace Vantor
