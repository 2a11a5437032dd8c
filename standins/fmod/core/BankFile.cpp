#include "BankFile.h"

#include <filesystem>
#include <fstream>

#include "Limits.h"
#include "Utf8Text.h"

namespace FmodStandin {

BankFileText ReadBankFile(std::string_view utf8Path)
{
    BankFileText file;
    if (utf8Path.empty() || !IsValidUtf8(utf8Path)) {
        file.result = FMOD_ERR_FILE_NOTFOUND;
        return file;
    }
    try {
        const std::filesystem::path path(std::u8string(utf8Path.begin(), utf8Path.end()));
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) {
            file.result = FMOD_ERR_FILE_NOTFOUND;
            return file;
        }
        std::ifstream stream(path, std::ios::binary);
        file.text.resize(Limits::kFileBytes + 1);
        stream.read(file.text.data(), static_cast<std::streamsize>(file.text.size()));
        const auto length = static_cast<std::size_t>(stream.gcount());
        if (!stream.eof() || length > Limits::kFileBytes || stream.bad()) {
            file.result = FMOD_ERR_FILE_BAD;
            file.text.clear();
            return file;
        }
        file.text.resize(length);
    } catch (const std::exception&) {
        file.result = FMOD_ERR_FILE_BAD;
        file.text.clear();
    }
    return file;
}

}  // namespace FmodStandin
