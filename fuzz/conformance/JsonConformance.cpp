// Every parsing case of the public JSON conformance corpus read as a definition: cases that
// must be accepted are, cases that must be refused give the definition's error unless the
// exceptions list names them with a reason, and none may crash or read past its bytes. The
// comment stripper must leave every case without a comment parsing exactly as before.
// Usage: json_conformance CASES_FOLDER EXCEPTIONS_FILE
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <json.h>

#include "fuzz/conformance/CorpusDefinition.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/definition/Preparse.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A heap copy of exactly the text's size, so that a read past its end is caught.
class ExactBytes {
public:
    explicit ExactBytes(std::string_view text)
        : bytes_(new char[text.size() ? text.size() : 1])
        , size_(text.size())
    {
        std::memcpy(bytes_.get(), text.data(), text.size());
    }
    std::string_view View() const { return {bytes_.get(), size_}; }

private:
    std::unique_ptr<char[]> bytes_;
    std::size_t size_;
};

// Exception names, each with its reason after white space; '#' starts a comment line.
std::map<std::string, std::string> ReadExceptions(const fs::path& path)
{
    std::map<std::string, std::string> exceptions;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t space = line.find_first_of(" \t");
        const std::size_t reason = space == std::string::npos ? space : line.find_first_not_of(" \t", space);
        exceptions[line.substr(0, space)] = reason == std::string::npos ? "" : line.substr(reason);
    }
    return exceptions;
}

struct RawParse {
    json_value* root = nullptr;
    std::string error;
    RawParse(const RawParse&) = delete;
    RawParse& operator=(const RawParse&) = delete;
    explicit RawParse(std::string_view text)
    {
        std::vector<char> padded(text.size() + 8, '\0');
        std::memcpy(padded.data(), text.data(), text.size());
        json_settings settings;
        std::memset(&settings, 0, sizeof settings);
        char message[json_error_max];
        std::memset(message, 0, sizeof message);
        root = json_parse_ex(&settings, padded.data(), text.size(), message);
        error = message;
    }
    ~RawParse()
    {
        if (root != nullptr)
            json_value_free(root);
    }
};

bool SameTree(const json_value& a, const json_value& b)
{
    if (a.type != b.type)
        return false;
    switch (a.type) {
    case json_object:
        if (a.u.object.length != b.u.object.length)
            return false;
        for (unsigned i = 0; i < a.u.object.length; ++i) {
            const json_object_entry& x = a.u.object.values[i];
            const json_object_entry& y = b.u.object.values[i];
            if (std::string_view(x.name, x.name_length) != std::string_view(y.name, y.name_length)
                || !SameTree(*x.value, *y.value))
                return false;
        }
        return true;
    case json_array:
        if (a.u.array.length != b.u.array.length)
            return false;
        for (unsigned i = 0; i < a.u.array.length; ++i)
            if (!SameTree(*a.u.array.values[i], *b.u.array.values[i]))
                return false;
        return true;
    case json_integer:
        return a.u.integer == b.u.integer;
    case json_double:
        return std::memcmp(&a.u.dbl, &b.u.dbl, sizeof a.u.dbl) == 0;
    case json_string:
        return std::string_view(a.u.string.ptr, a.u.string.length) == std::string_view(b.u.string.ptr, b.u.string.length);
    case json_boolean:
        return a.u.boolean == b.u.boolean;
    default:
        return true;
    }
}

bool HasCommentOpener(std::string_view text)
{
    return text.find("//") != std::string_view::npos || text.find("/*") != std::string_view::npos;
}

class Run {
public:
    explicit Run(std::map<std::string, std::string> exceptions)
        : exceptions_(std::move(exceptions))
    {
    }

    void Case(const std::string& name, const std::string& bytes)
    {
        // The case on its own, as a definition file holding just it would be read.
        Vantor::JsonDocument::Parse(ExactBytes(bytes).View());

        const ExactBytes definition(VantorConformance::CorpusDefinition(bytes));
        const Vantor::JsonDocument document = Vantor::JsonDocument::Parse(definition.View());
        const char kind = name[0];
        if (kind == 'y' && !document.ok())
            Fault(name, "must be accepted, refused with: " + document.error());
        if (kind == 'n') {
            const bool excepted = exceptions_.count(name) != 0;
            if (excepted)
                used_.insert(name);
            if (document.ok() && !excepted)
                Fault(name, "must be refused, accepted (not in the exceptions list)");
            if (!document.ok() && excepted)
                Fault(name, "is refused, yet the exceptions list says it is accepted");
            if (!document.ok() && (document.error().empty() || document.error().find('\n') != std::string::npos))
                Fault(name, "refused without a one-line message: " + document.error());
            ++(document.ok() ? acceptedRefusals_ : refused_);
        }
        if (!HasCommentOpener(bytes))
            StripperKeepsMeaning(name, definition.View());
        ++cases_;
    }

    int Finish()
    {
        for (const auto& [name, reason] : exceptions_)
            if (used_.count(name) == 0)
                Fault(name, "is in the exceptions list but not in the corpus");
        std::printf("%zu cases: %zu refused as they must be, %zu accepted by the listed leniencies; "
                    "%zu kept by the stripper; %zu faults\n",
            cases_, refused_, acceptedRefusals_, stripped_, faults_);
        return faults_ == 0 && cases_ > 0 ? 0 : 1;
    }

private:
    void StripperKeepsMeaning(const std::string& name, std::string_view definition)
    {
        const Vantor::PreparsedText stripped = Vantor::Preparse(definition);
        if (!stripped.ok) {
            Fault(name, "the stripper refused a case without comments: " + stripped.error);
            return;
        }
        const RawParse before(definition);
        const RawParse after(stripped.text);
        if ((before.root == nullptr) != (after.root == nullptr) || before.error != after.error
            || (before.root != nullptr && !SameTree(*before.root, *after.root)))
            Fault(name, "parses differently once stripped");
        ++stripped_;
    }

    void Fault(const std::string& name, const std::string& what)
    {
        std::printf("FAIL %s: %s\n", name.c_str(), what.c_str());
        ++faults_;
    }

    std::map<std::string, std::string> exceptions_;
    std::set<std::string> used_;
    std::size_t cases_ = 0, refused_ = 0, acceptedRefusals_ = 0, stripped_ = 0, faults_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: json_conformance CASES_FOLDER EXCEPTIONS_FILE\n");
        return 2;
    }
    const fs::path cases = argv[1];
    if (!fs::is_directory(cases)) {
        std::fprintf(stderr, "no corpus at %s: run scripts/json-test-suite.sh first\n", cases.c_str());
        return 1;
    }
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(cases))
        if (entry.is_regular_file() && entry.path().extension() == ".json")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());

    Run run(ReadExceptions(argv[2]));
    for (const fs::path& file : files)
        run.Case(file.filename().string(), ReadFile(file));
    return run.Finish();
}
