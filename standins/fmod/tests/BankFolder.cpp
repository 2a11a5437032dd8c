#include "BankFolder.h"

#include <atomic>
#include <fstream>
#include <random>
#include <stdexcept>

namespace {

std::filesystem::path FromUtf8(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string ToUtf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

BankFolder::BankFolder()
{
    static const unsigned run = std::random_device{}();
    static std::atomic<int> serial{0};
    folder_ = std::filesystem::temp_directory_path() /
              ("audio-standin-" + std::to_string(run) + "-" + std::to_string(++serial));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
}

BankFolder::~BankFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string BankFolder::PathOf(std::string_view utf8Name) const
{
    return ToUtf8(folder_ / FromUtf8(utf8Name));
}

std::string BankFolder::Write(std::string_view utf8Name, std::string_view text) const
{
    std::ofstream file(folder_ / FromUtf8(utf8Name), std::ios::binary);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!file) throw std::runtime_error("cannot write a test bank");
    return PathOf(utf8Name);
}

std::string ExampleBank(std::string_view name)
{
    return std::string(AUDIO_STANDIN_EXAMPLE_BANKS) + "/" + std::string(name);
}
