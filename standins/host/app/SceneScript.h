// A scene script read into objects and frame blocks; names are resolved later, against the
// libraries' definitions. Pure: no Windows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace StandinHost {

struct SceneValue {
    enum class Kind { Integer, Float, Text };
    Kind kind = Kind::Integer;
    std::int32_t integer = 0;
    float real = 0;
    std::string text;  // UTF-8, escapes undone
};

enum class SceneCallKind { Action, Condition, Expression };

// "do|check|print OBJECT: NAME ARGUMENTS" or "watch OBJECT: NAME ARGUMENTS".
struct SceneCall {
    int line = 0;
    SceneCallKind kind = SceneCallKind::Action;
    std::string object;
    std::string name;  // as written, a trailing "(" or "()" removed; "#N" names a number
    std::vector<SceneValue> arguments;
};

struct SceneStatement {
    enum class Kind { Call, ShowInstances, ShowGlobals, Say };
    Kind kind = Kind::Call;
    SceneCall call;    // Call
    std::string text;  // Say
};

struct SceneBlock {
    int line = 0;
    int first = 1;  // frames first..last, both included
    int last = 1;
    std::vector<SceneStatement> statements;
};

struct SceneProperty {
    int line = 0;
    std::string title;
    std::string value;
};

struct SceneObject {
    int line = 0;
    std::string name;
    std::string library;
    std::vector<SceneProperty> properties;
};

struct Scene {
    std::vector<SceneObject> objects;
    std::vector<SceneCall> watches;  // evaluated after every frame, printed when they change
    std::vector<SceneBlock> blocks;
    int LastFrame() const;
};

struct SceneParseResult {
    Scene scene;
    int errorLine = 0;  // 0: no error
    std::string error;  // what was expected there
};

SceneParseResult ParseScene(std::string_view text);

}  // namespace StandinHost
