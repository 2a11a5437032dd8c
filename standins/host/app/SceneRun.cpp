#include "standins/host/app/SceneRun.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "FmodStandinControl.h"
#include "sdk/host/HostRecords.h"
#include "sdk/text/Utf.h"
#include "standins/host/Frame.h"
#include "standins/host/Recorder.h"
#include "standins/host/app/SceneLibraries.h"
#include "standins/host/app/SceneReport.h"
#include "standins/host/editor/StoredBlock.h"

namespace StandinHost {
namespace {

using InitializeFn = std::int32_t(VANTOR_HOSTCALL*)(Vantor::Host::mV*, std::int32_t);

// A call of the script with what it names and the object it goes to.
struct BoundCall {
    SceneCall call;
    SceneEntry entry;
    std::size_t object = 0;
    std::wstring last;  // watches: the value printed last
    bool printed = false;
};

// A script error: where, and what was expected there.
struct SceneError : std::runtime_error {
    SceneError(int line, const std::string& expected) : std::runtime_error(expected), line(line) {}
    int line;
};

std::wstring ValueText(const SceneValue& value)
{
    std::wostringstream text;
    if (value.kind == SceneValue::Kind::Text)
        text << L"\"" << Vantor::ToUtf16(value.text) << L"\"";
    else if (value.kind == SceneValue::Kind::Float)
        text << value.real;
    else
        text << value.integer;
    return text.str();
}

class SceneRunner {
public:
    SceneRunner(const std::filesystem::path& script, std::wostream& out) : out_(out)
    {
        folder_ = std::filesystem::absolute(script).parent_path();
    }

    void Prepare(const Scene& scene)
    {
        for (const SceneObject& object : scene.objects) {
            std::string error;
            SceneLibrary* library = libraries_.Load(object.library, folder_, error);
            if (!library)
                throw SceneError(object.line, error);
            for (const SceneProperty& property : object.properties)
                if (!Has(library->catalog.propertyTitles, property.title))
                    throw SceneError(property.line, "a property title of \"" + object.library + "\", not \"" +
                                                        property.title + "\"");
            objects_.push_back({&object, library, nullptr, {}});
        }
        for (const SceneCall& call : scene.watches)
            watches_.push_back(Bind(call));
        for (const SceneBlock& block : scene.blocks) {
            std::vector<std::optional<BoundCall>> calls;
            for (const SceneStatement& statement : block.statements)
                calls.push_back(statement.kind == SceneStatement::Kind::Call ? std::optional(Bind(statement.call))
                                                                             : std::nullopt);
            blockCalls_.push_back(std::move(calls));
        }
    }

    void Start()
    {
        FmodStandin::Reset();
        Recorder::Instance().Clear();
        for (auto& [path, library] : libraries_.All()) {
            const std::int32_t started = library.library->Export<InitializeFn>("Initialize")(host_.Record(), 0);
            out_ << L"Initialize " << path.filename().wstring() << L": " << (started == 0 ? L"ready" : L"failed")
                 << L"\n";
        }
        // The frame's object-type list holds one entry per object the scene declares.
        frame_ = std::make_unique<Frame>(
            host_, RunHeaderOptions{.objectListCount = static_cast<std::int32_t>(objects_.size())});
        for (SceneObjectState& state : objects_) {
            PropertyValues values;
            for (const SceneProperty& property : state.object->properties)
                values[property.title] = Vantor::ToUtf8(Expanded(property.value));
            StoredBlockResult stored = BuildStoredBlock(state.library->definition, values);
            if (!stored.error.empty())
                throw SceneError(state.object->line, "properties the library can store: " + stored.error);
            state.editData = std::move(stored.block);
            state.run = &frame_->Create(*state.library->library, {.editData = state.editData.data()});
            out_ << L"object " << Vantor::ToUtf16(state.object->name) << L" (" << Vantor::ToUtf16(state.object->library)
                 << L") created\n";
        }
        EndOfFrame(0);
    }

    void Play(const Scene& scene)
    {
        for (int number = 1; number <= scene.LastFrame(); ++number) {
            for (std::size_t b = 0; b < scene.blocks.size(); ++b) {
                const SceneBlock& block = scene.blocks[b];
                if (number < block.first || number > block.last)
                    continue;
                for (std::size_t s = 0; s < block.statements.size(); ++s)
                    Run(block.statements[s], blockCalls_[b][s]);
            }
            frame_->Tick();
            EndOfFrame(number);
        }
        out_ << L"end of scene after frame " << scene.LastFrame() << L"\n";
    }

private:
    struct SceneObjectState {
        const SceneObject* object;
        SceneLibrary* library;
        RunObject* run;
        std::vector<std::uint8_t> editData;
    };

    static bool Has(const std::vector<std::string>& titles, const std::string& title)
    {
        for (const std::string& known : titles)
            if (known == title)
                return true;
        return false;
    }

    BoundCall Bind(const SceneCall& call)
    {
        std::size_t index = 0;
        while (objects_[index].object->name != call.object)
            ++index;
        std::string error;
        auto entry = ResolveCall(objects_[index].library->catalog, call, error);
        if (!entry)
            throw SceneError(call.line, error);
        return {call, *entry, index, {}, false};
    }

    // "{scene}" stands for the scene's folder; a text starting with it reads as a path.
    std::wstring Expanded(const std::string& text) const
    {
        std::wstring out = Vantor::ToUtf16(text);
        const std::wstring marker = L"{scene}";
        for (std::size_t at = out.find(marker); at != std::wstring::npos; at = out.find(marker, at))
            out.replace(at, marker.size(), folder_.wstring());
        return text.starts_with("{scene}") ? std::filesystem::path(out).lexically_normal().wstring() : out;
    }

    std::vector<Parameter> Arguments(const BoundCall& bound) const
    {
        std::vector<Parameter> parameters;
        for (std::size_t p = 0; p < bound.call.arguments.size(); ++p) {
            const SceneValue& value = bound.call.arguments[p];
            if (value.kind == SceneValue::Kind::Text)
                parameters.push_back(Parameter::Text(Expanded(value.text)));
            else if (bound.entry.parameters[p] == SceneValue::Kind::Float)
                parameters.push_back(Parameter::Float(value.real));
            else
                parameters.push_back(Parameter::Integer(value.integer));
        }
        return parameters;
    }

    std::wstring Written(const BoundCall& bound) const
    {
        std::wstring text = Vantor::ToUtf16(bound.call.object) + L": " +
                            Vantor::ToUtf16(bound.entry.menuText.empty() ? bound.entry.title : bound.entry.menuText);
        for (const SceneValue& value : bound.call.arguments)
            text += L" " + ValueText(value);
        return text;
    }

    ExpressionResult Evaluate(const BoundCall& bound)
    {
        return objects_[bound.object].run->Expression(bound.entry.number, Arguments(bound));
    }

    void Run(const SceneStatement& statement, std::optional<BoundCall>& bound)
    {
        switch (statement.kind) {
        case SceneStatement::Kind::Say: frameText_ << L"  say: " << Vantor::ToUtf16(statement.text) << L"\n"; return;
        case SceneStatement::Kind::ShowInstances: ReportInstances(frameText_); return;
        case SceneStatement::Kind::ShowGlobals: ReportGlobals(frameText_); return;
        case SceneStatement::Kind::Call: break;
        }
        try {
            RunObject& object = *objects_[bound->object].run;
            if (bound->call.kind == SceneCallKind::Action) {
                object.Action(bound->entry.number, Arguments(*bound));
                frameText_ << L"  do " << Written(*bound) << L"\n";
                WatchCallbacksOf(*bound);
            } else if (bound->call.kind == SceneCallKind::Condition) {
                const std::int32_t answer = object.Condition(bound->entry.number, Arguments(*bound));
                frameText_ << L"  check " << Written(*bound) << L" -> " << (answer ? L"true" : L"false") << L"\n";
            } else {
                frameText_ << L"  print " << Written(*bound) << L" -> " << ResultText(Evaluate(*bound)) << L"\n";
            }
        } catch (const std::exception& failure) {
            throw SceneError(bound->call.line, std::string("a call the library answers; it failed: ") + failure.what());
        }
    }

    // Starting to track an object's callbacks watches its last-callback expression.
    void WatchCallbacksOf(const BoundCall& action)
    {
        if (!action.entry.menuText.starts_with("Start tracking"))
            return;
        for (const BoundCall& watch : watches_)
            if (watch.object == action.object && watch.entry.title == "GetLastCallback$(")
                return;
        for (const SceneEntry& entry : objects_[action.object].library->catalog.expressions)
            if (entry.title == "GetLastCallback$(" && entry.parameters.empty()) {
                SceneCall call{action.call.line, SceneCallKind::Expression, action.call.object, "GetLastCallback$", {}};
                watches_.push_back({call, entry, action.object, {}, false});
            }
    }

    void EndOfFrame(int number)
    {
        ReportStudioTrace(frameText_);
        for (BoundCall& watch : watches_) {
            const std::wstring value = ResultText(Evaluate(watch));
            if (watch.printed && value == watch.last)
                continue;
            frameText_ << L"  watch " << Written(watch) << L" -> " << value << L"\n";
            watch.last = value;
            watch.printed = true;
        }
        ReportBoxes(frameText_);
        const std::wstring text = frameText_.str();
        if (!text.empty())
            out_ << L"frame " << number << L" (studio clock " << FmodStandin::GetSystemInfo().clockMs << L" ms)\n"
                 << text;
        frameText_.str(L"");
    }

    std::wostream& out_;
    std::filesystem::path folder_;
    SceneLibraries libraries_;
    std::vector<SceneObjectState> objects_;
    std::vector<BoundCall> watches_;
    std::vector<std::vector<std::optional<BoundCall>>> blockCalls_;
    HostApplication host_;
    std::unique_ptr<Frame> frame_;
    std::wostringstream frameText_;
};

std::string ReadAll(const std::filesystem::path& path, bool& ok)
{
    std::ifstream stream(path, std::ios::binary);
    ok = static_cast<bool>(stream);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

}  // namespace

int RunScene(const std::filesystem::path& script, std::wostream& out, std::wostream& errors)
{
    bool readable = false;
    const std::string text = ReadAll(script, readable);
    if (!readable) {
        errors << script.wstring() << L": expected a readable scene file\n";
        return 1;
    }
    const SceneParseResult parsed = ParseScene(text);
    if (parsed.errorLine) {
        errors << script.wstring() << L":" << parsed.errorLine << L": " << Vantor::ToUtf16(parsed.error) << L"\n";
        return 1;
    }
    try {
        SceneRunner runner(script, out);
        runner.Prepare(parsed.scene);
        runner.Start();
        runner.Play(parsed.scene);
    } catch (const SceneError& error) {
        out.flush();
        errors << script.wstring() << L":" << error.line << L": expected " << Vantor::ToUtf16(error.what()) << L"\n";
        return 1;
    } catch (const std::exception& error) {
        out.flush();
        errors << script.wstring() << L": the scene stopped: " << Vantor::ToUtf16(error.what()) << L"\n";
        return 1;
    }
    return 0;
}

}  // namespace StandinHost
