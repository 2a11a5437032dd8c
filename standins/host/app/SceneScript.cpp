#include "standins/host/app/SceneScript.h"

#include <algorithm>
#include <limits>

#include "standins/host/app/SceneLiterals.h"

namespace StandinHost {
namespace {

// The first word of `text` and what follows it, trimmed.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view text)
{
    const std::size_t end = text.find_first_of(" \t");
    if (end == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, end), Trimmed(text.substr(end))};
}

std::optional<int> FrameNumber(std::string_view token)
{
    const auto number = ParseNumber(token);
    if (!number || number->kind != SceneValue::Kind::Integer || number->integer < 1)
        return std::nullopt;
    return number->integer;
}

class Reader {
public:
    std::string Line(int number, std::string_view text)
    {
        line_ = number;
        const auto [word, rest] = SplitWord(text);
        if (word == "object")
            return Object(rest);
        if (word == "property")
            return Property(rest);
        if (word == "watch")
            return Call(SceneCallKind::Expression, rest, &scene_.watches);
        if (word == "frame")
            return Frames(rest, false);
        if (word == "frames")
            return Frames(rest, true);
        if (word == "wait")
            return Wait(rest);
        if (word == "do")
            return Call(SceneCallKind::Action, rest, nullptr);
        if (word == "check")
            return Call(SceneCallKind::Condition, rest, nullptr);
        if (word == "print")
            return Call(SceneCallKind::Expression, rest, nullptr);
        if (word == "show")
            return Show(rest);
        if (word == "say")
            return Say(rest);
        return "a statement (object, property, watch, frame, frames, wait, do, check, print, show, say), not \"" +
               std::string(word) + "\"";
    }

    Scene Take() { return std::move(scene_); }

private:
    std::string Object(std::string_view rest)
    {
        const auto [name, library] = SplitWord(rest);
        std::string_view quoted = library;
        const auto file = TakeQuoted(quoted);
        if (name.empty() || name.find(':') != std::string_view::npos || !file || !Trimmed(quoted).empty())
            return "object NAME \"LIBRARY.mfx\" (a name without colon, then the quoted library file)";
        for (const SceneObject& object : scene_.objects)
            if (object.name == name)
                return "a new object name; \"" + std::string(name) + "\" is already declared on line " +
                       std::to_string(object.line);
        if (!scene_.blocks.empty())
            return "objects before the first frame block";
        scene_.objects.push_back({line_, std::string(name), *file, {}});
        return {};
    }

    std::string Property(std::string_view rest)
    {
        if (scene_.objects.empty() || !scene_.blocks.empty())
            return "property lines right after their object line";
        const auto title = TakeQuoted(rest);
        rest = Trimmed(rest);
        const bool quoted = rest.starts_with('"');
        std::optional<std::string> value = quoted ? TakeQuoted(rest) : std::optional(std::string(rest));
        if (!title || !value || (quoted && !Trimmed(rest).empty()) || (!quoted && value->empty()))
            return "property \"TITLE\" VALUE (a quoted title, then a quoted text, a number, true or false)";
        scene_.objects.back().properties.push_back({line_, *title, *value});
        return {};
    }

    std::string Frames(std::string_view rest, bool range)
    {
        const auto [first, tail] = SplitWord(rest);
        const auto start = FrameNumber(first);
        if (!range) {
            if (!start || !tail.empty())
                return "frame N, with N a whole number from 1";
            return Open(*start, *start);
        }
        const auto [to, lastText] = SplitWord(tail);
        const auto last = FrameNumber(lastText);
        if (!start || to != "to" || !last || *last < *start)
            return "frames A to B, with whole numbers 1 <= A <= B";
        return Open(*start, *last);
    }

    std::string Wait(std::string_view rest)
    {
        const auto [count, unit] = SplitWord(rest);
        const auto frames = FrameNumber(count);
        if (!frames || (unit != "frames" && unit != "frame"))
            return "wait N frames, with N a whole number from 1";
        const int cursor = scene_.blocks.empty() ? 0 : scene_.blocks.back().last;
        if (*frames > std::numeric_limits<int>::max() - cursor)
            return "wait N frames, ending by frame " + std::to_string(std::numeric_limits<int>::max());
        return Open(cursor + *frames, cursor + *frames);
    }

    std::string Open(int first, int last)
    {
        scene_.blocks.push_back({line_, first, last, {}});
        return {};
    }

    std::string Call(SceneCallKind kind, std::string_view rest, std::vector<SceneCall>* into)
    {
        SceneCall call;
        call.line = line_;
        call.kind = kind;
        if (std::string error = ParseCallText(rest, call); !error.empty())
            return error;
        if (!Known(call.object))
            return "the name of an object declared above, not \"" + call.object + "\"";
        if (into) {
            into->push_back(std::move(call));
            return {};
        }
        return Add({SceneStatement::Kind::Call, std::move(call), {}});
    }

    std::string Show(std::string_view rest)
    {
        if (rest == "instances")
            return Add({SceneStatement::Kind::ShowInstances, {}, {}});
        if (rest == "globals")
            return Add({SceneStatement::Kind::ShowGlobals, {}, {}});
        return "show instances or show globals";
    }

    std::string Say(std::string_view rest)
    {
        const auto text = TakeQuoted(rest);
        if (!text || !Trimmed(rest).empty())
            return "say \"TEXT\"";
        return Add({SceneStatement::Kind::Say, {}, *text});
    }

    std::string Add(SceneStatement statement)
    {
        if (scene_.blocks.empty())
            return "a frame block (frame N, frames A to B or wait N frames) before this statement";
        scene_.blocks.back().statements.push_back(std::move(statement));
        return {};
    }

    bool Known(const std::string& name) const
    {
        return std::any_of(scene_.objects.begin(), scene_.objects.end(),
                           [&](const SceneObject& object) { return object.name == name; });
    }

    Scene scene_;
    int line_ = 0;
};

}  // namespace

int Scene::LastFrame() const
{
    int last = 0;
    for (const SceneBlock& block : blocks)
        last = std::max(last, block.last);
    return last;
}

SceneParseResult ParseScene(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    Reader reader;
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        const std::string_view line = Trimmed(WithoutComment(text.substr(0, end)));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty())
            continue;
        if (std::string error = reader.Line(number, line); !error.empty())
            return {{}, number, "expected " + error};
    }
    return {reader.Take(), 0, {}};
}

}  // namespace StandinHost
