#include "standins/host/app/Sheet.h"

#include <windows.h>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/definition/LanguageChoice.h"
#include "sdk/properties/DefaultEditData.h"
#include "sdk/properties/PropertySetDeclarations.h"
#include "sdk/text/Utf.h"
#include "standins/host/ExtensionLibrary.h"
#include "standins/host/HostApplication.h"
#include "standins/host/HostProps.h"
#include "standins/host/Recorder.h"
#include "standins/host/sheet/HostValues.h"
#include "standins/host/sheet/SheetModel.h"

namespace StandinHost {
namespace {

using InitializeFn = std::int32_t(VANTOR_HOSTCALL*)(Vantor::Host::mV*, std::int32_t);

void* const kEditorWindow = reinterpret_cast<void*>(0x00E0D170);

// The definition the library embeds, as the host's editor would create the object from it.
std::vector<std::uint8_t> NewObjectBlock(const ExtensionLibrary& library)
{
    const HMODULE module = library.Module();
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(102), L"OVIK");
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    if (!loaded)
        return {};
    const std::string text(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found));
    const Vantor::JsonDocument document = Vantor::JsonDocument::Parse(text);
    const int language = Vantor::DefaultLanguageMember(document.root());
    const json_value& block = Vantor::MemberValue(document.root(), language < 0 ? 0 : language);
    const auto lists = Vantor::EntryListsOf(Vantor::ReadPropertySets(block).sets);
    return Vantor::BuildDefaultEditData({Vantor::Member(block, "Properties"), lists, "English", ""}).block;
}

void PrintRows(SheetModel& sheet, std::wostream& out)
{
    if (sheet.Rows().empty())
        out << L"  (no properties)\n";
    for (const SheetRow& row : sheet.Rows()) {
        out << L"  " << row.name;
        if (!row.value.empty())
            out << L": " << row.value;
        if (row.options & 1)
            out << (row.checked ? L" [x]" : L" [ ]");
        if (!row.enabled)
            out << L" (disabled)";
        out << L"\n";
    }
}

void PrintBlock(const std::vector<std::uint8_t>& block, std::wostream& out)
{
    for (std::size_t i = 0; i < block.size(); i += 16) {
        wchar_t line[80];
        std::swprintf(line, 80, L"    %04zX ", i);
        out << line;
        for (std::size_t j = i; j < i + 16 && j < block.size(); ++j) {
            std::swprintf(line, 80, L" %02X", block[j]);
            out << line;
        }
        out << L"\n";
    }
}

// The value as a user types it: a number, "true"/"false" for a checkbox, an item of a list.
bool Edit(SheetModel& sheet, const std::wstring& title, const std::wstring& value)
{
    const SheetRow* row = sheet.Row(title);
    if (!row)
        return false;
    const std::uint32_t kind = row->type % 1000;
    const std::int32_t id = row->id;
    if (kind == 10)
        sheet.SetChecked(id, value == L"true");
    else if (kind == 6 || kind == 9 || (kind >= 11 && kind <= 13))
        sheet.SetValue(id, MakeHostSInt(std::stoi(value)));
    else if (kind == 21 || kind == 27)
        sheet.SetValue(id, MakeHostFloat(std::stof(value)));
    else if (kind == 7 || kind == 20 || kind == 24) {
        const auto items = sheet.Items(id);
        const auto at = std::find(items.begin(), items.end(), value);
        if (at == items.end())
            return false;
        sheet.SetValue(id, MakeHostUInt(static_cast<std::uint32_t>(at - items.begin())));
    } else
        sheet.SetText(id, value);
    return true;
}

}  // namespace

int ShowSheet(const std::filesystem::path& path, const std::wstring& edit, std::wostream& out)
{
    HostApplication host;
    host.SetWindow(kEditorWindow);
    out << path.filename().wstring() << L"\n";
    try {
        ExtensionLibrary library(path);
        if (library.Export<InitializeFn>("Initialize")(host.Record(), 0) != 0) {
            out << L"  Initialize: failed\n";
            return 1;
        }
        SheetModel sheet(host, library, NewObjectBlock(library));
        if (sheet.Block().empty()) {
            out << L"  The library's definition gives no stored block.\n";
            return 1;
        }
        sheet.Open();
        PrintRows(sheet, out);
        out << L"  Stored block (" << sheet.Block().size() << L" bytes):\n";
        PrintBlock(sheet.Block(), out);
        int result = 0;
        if (!edit.empty()) {
            const std::size_t equals = edit.find(L'=');
            const std::wstring title = edit.substr(0, equals);
            const std::wstring value = equals == std::wstring::npos ? L"" : edit.substr(equals + 1);
            out << L"  Edit: " << title << L" = " << value << L"\n";
            if (Edit(sheet, title, value)) {
                PrintRows(sheet, out);
                out << L"  Stored block after (" << sheet.Block().size() << L" bytes):\n";
                PrintBlock(sheet.Block(), out);
            } else {
                out << L"  The sheet shows no such property or item.\n";
                result = 1;
            }
        }
        for (const BoxRecord& box : Recorder::Instance().TakeBoxes(library.Module()))
            out << L"  [box] " << box.title << L" | " << box.text << L"\n";
        return result;
    } catch (const std::exception& error) {
        out << L"  " << Vantor::ToUtf16(error.what()) << L"\n";
        return 1;
    }
}

}  // namespace StandinHost
