#include "standins/host/app/EditorReport.h"

#include <string>

#include "standins/host/Recorder.h"
#include "standins/host/editor/EditorSession.h"

namespace StandinHost {
namespace {

// Where the frame editor would put the object: a margin round it shows where it was drawn.
constexpr std::int32_t kMargin = 4;

struct KindText {
    EntryKind kind;
    const wchar_t* heading;
};

void PrintLines(const std::wstring& text, std::wostream& out)
{
    if (text.empty()) {
        out << L"    (empty)\n";
        return;
    }
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(L'\n', start);
        out << L"    " << text.substr(start, end - start) << L"\n";
        if (end == std::wstring::npos)
            break;
        start = end + 1;
    }
}

void PrintEntries(EditorSession& session, const KindText& kind, std::wostream& out)
{
    const std::size_t count = session.EntryCount(kind.kind);
    out << L"  " << kind.heading << L" (" << count << L"):\n";
    for (std::size_t i = 0; i < count; ++i) {
        const auto id = static_cast<std::int16_t>(i);
        EntryInfo info;
        const bool hasInfo = session.Info(kind.kind, id, info);
        const std::wstring text = kind.kind == EntryKind::Expression ? session.ExpressionTitle(id)
                                                                     : session.DisplayString(kind.kind, id);
        out << L"    " << id << L" \"" << text << L"\"";
        if (hasInfo)
            out << L" flags 0x" << std::hex << info.flags << std::dec;
        out << L"\n";
        for (std::size_t p = 0; hasInfo && p < info.parameterCodes.size(); ++p)
            out << L"      %" << p << L" " << session.ParameterName(kind.kind, id, static_cast<std::int16_t>(p))
                << L" (code " << info.parameterCodes[p] << L")\n";
    }
}

void PrintObject(EditorSession& session, std::wostream& out)
{
    EditorSession::CreatedObject created = session.CreateObject();
    out << L"  CreateObject: " << created.result << L", " << created.editData.size() << L" bytes of properties\n";
    if (created.result != 0)
        return;
    session.DuplicateObject(created.editData);
    out << L"  DuplicateObject: done\n";
}

bool WriteIcon(EditorSession& session, const std::filesystem::path& library, const std::filesystem::path& folder,
               std::wostream& out)
{
    const Picture icon = session.Icon();
    out << L"  Icon: " << icon.width << L" x " << icon.height
        << (icon.hasAlpha ? L", alpha channel" : icon.hasTransparent ? L", transparent colour" : L"") << L"\n";
    if (folder.empty())
        return true;
    const RECT rectangle{kMargin, kMargin, kMargin + icon.width, kMargin + icon.height};
    const Picture drawn = session.Display(icon.width + 2 * kMargin, icon.height + 2 * kMargin, rectangle, 0xFFFFFF);
    const std::filesystem::path file = folder / (library.stem().wstring() + L".png");
    const bool written = WritePng(drawn, file);
    out << L"  EditorDisplay: " << (written ? L"written to " + file.wstring() : L"could not write " + file.wstring())
        << L"\n";
    return written;
}

void PrintBoxes(const ExtensionLibrary& library, std::wostream& out)
{
    const auto boxes = Recorder::Instance().TakeBoxes(library.Module());
    out << L"  Boxes shown:" << (boxes.empty() ? L" none" : L"") << L"\n";
    for (const BoxRecord& box : boxes)
        out << L"    [" << box.title << L"] " << box.text << L"\n";
}

bool ShowOne(const std::filesystem::path& path, HostApplication& host, const std::filesystem::path& iconFolder,
             std::wostream& out)
{
    out << path.filename().wstring() << L"\n";
    try {
        EditorSession session(host, path);
        const bool started = session.Start() == 0;
        out << L"  Initialize: " << (started ? L"ready" : L"failed") << L"\n";
        bool ok = started;
        if (started) {
            for (const KindText kind : {KindText{EntryKind::Action, L"Action menu"},
                                        KindText{EntryKind::Condition, L"Condition menu"},
                                        KindText{EntryKind::Expression, L"Expression menu"}}) {
                out << L"  " << kind.heading << L":\n";
                PrintLines(session.Menu(kind.kind), out);
            }
            for (const KindText kind : {KindText{EntryKind::Action, L"Actions"},
                                        KindText{EntryKind::Condition, L"Conditions"},
                                        KindText{EntryKind::Expression, L"Expressions"}})
                PrintEntries(session, kind, out);
            PrintObject(session, out);
            ok = WriteIcon(session, path, iconFolder, out);
        }
        PrintBoxes(session.Library(), out);
        return ok;
    } catch (const std::exception& error) {
        out << L"  " << error.what() << L"\n";
        return false;
    }
}

}  // namespace

int ShowEditor(const std::vector<std::filesystem::path>& libraries, const std::filesystem::path& iconFolder,
               std::wostream& out)
{
    if (!iconFolder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(iconFolder, error);
    }
    HostApplication host;
    int failed = 0;
    for (const auto& library : libraries) {
        if (!ShowOne(library, host, iconFolder, out))
            ++failed;
        out << L"\n";
    }
    return failed;
}

}  // namespace StandinHost
