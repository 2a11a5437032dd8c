// Writes the seed corpus of every fuzz target from the project's own files: the products'
// and the tests' definitions, each followed by the block a new object of it gets (and, for
// property sets, a block with one more entry), the sample banks and scenes, and the
// hand-made seeds under fuzz/seeds.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "fuzz/common/FuzzInput.h"
#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/DefaultEditData.h"
#include "sdk/properties/PropertySetDeclarations.h"
#include "sdk/properties/PropertySetEdits.h"

namespace fs = std::filesystem;
using namespace Vantor;

namespace {

std::string ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const void* bytes, std::size_t size)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

std::vector<fs::path> FilesIn(const fs::path& folder, const std::string& extension)
{
    std::vector<fs::path> files;
    if (fs::is_directory(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file() && (extension.empty() || entry.path().extension() == extension))
                files.push_back(entry.path());
    return files;
}

// The seed's name says where it came from: "studio-Tonvale.json".
std::string SeedName(const fs::path& source, const fs::path& root)
{
    std::string name = fs::relative(source, root).string();
    for (char& c : name)
        if (c == '/')
            c = '-';
    return name;
}

class Writer {
public:
    Writer(fs::path source, fs::path out)
        : source_(std::move(source))
        , out_(std::move(out))
    {
    }

    void Copy(const std::string& target, const fs::path& file)
    {
        const std::string bytes = ReadFile(file);
        Write(target, SeedName(file, source_), bytes.data(), bytes.size());
    }

    void Write(const std::string& target, const std::string& name, const void* bytes, std::size_t size)
    {
        fs::create_directories(out_ / target);
        WriteFile(out_ / target / name, bytes, size);
        ++written_;
    }

    // The definition with its new object's block, and for each set one more entry.
    void Blocks(const fs::path& file)
    {
        const std::string definition = ReadFile(file);
        const JsonDocument document = JsonDocument::Parse(definition);
        if (!document.ok())
            throw std::runtime_error(file.string() + ": " + document.error());
        const json_value& language = VantorFuzz::LanguageBlock(document.root());
        const PropertySetDeclarations declarations = ReadPropertySets(language);
        const EntryListSetNames lists = EntryListsOf(declarations.sets);
        const json_value& properties = Member(language, "Properties");
        const DefaultEditData made = BuildDefaultEditData({properties, lists, "English", "Vantor Template"});
        if (!made.made())
            throw std::runtime_error(file.string() + ": no default block");
        const std::string name = SeedName(file, source_);
        for (const char* target : {"stored_block", "visibility_rule", "property_sets"}) {
            const std::vector<std::uint8_t> seed = VantorFuzz::Join(definition, made.block);
            Write(target, name + ".block", seed.data(), seed.size());
        }
        for (const PropSet& set : declarations.sets) {
            std::vector<Problem> boxes;
            const Result<SetEdit> added = AddSetEntry(made.block, set, {properties, lists, "English"}, boxes);
            if (!added.ok())
                throw std::runtime_error(file.string() + ": " + added.problem().text);
            const std::vector<std::uint8_t> seed = VantorFuzz::Join(definition, added.value().block);
            for (const char* target : {"stored_block", "property_sets"})
                Write(target, name + "." + set.name + "-added.block", seed.data(), seed.size());
        }
    }

    std::size_t Written() const { return written_; }

private:
    fs::path source_;
    fs::path out_;
    std::size_t written_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seed_writer SOURCE_DIR OUT_DIR\n");
        return 2;
    }
    const fs::path source = argv[1];
    try {
        Writer writer(source, argv[2]);
        std::vector<fs::path> definitions;
        for (const char* folder : {"studio", "eventinstance", "tests/fixtures", "fuzz/definitions"})
            for (const fs::path& file : FilesIn(source / folder, ".json"))
                definitions.push_back(file);
        for (const fs::path& file : definitions) {
            writer.Copy("preparse", file);
            writer.Copy("definition", file);
            writer.Blocks(file);
        }
        for (const fs::path& file : FilesIn(source / "examples/banks", ".bank"))
            writer.Copy("bank_text", file);
        for (const fs::path& file : FilesIn(source / "examples/scenes", ".scene"))
            writer.Copy("scene_script", file);
        for (const auto& target : fs::directory_iterator(source / "fuzz/seeds"))
            for (const fs::path& file : FilesIn(target.path(), ""))
                writer.Copy(target.path().filename().string(), file);
        std::printf("%zu seeds written\n", writer.Written());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "fuzz_seed_writer: %s\n", error.what());
        return 1;
    }
    return 0;
}
