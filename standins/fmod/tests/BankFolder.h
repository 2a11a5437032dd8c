// A folder of bank files written by a test, removed again afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class BankFolder {
public:
    BankFolder();
    ~BankFolder();
    BankFolder(const BankFolder&) = delete;
    BankFolder& operator=(const BankFolder&) = delete;

    // Writes text (bytes as given) to a file of that UTF-8 name; returns its UTF-8 path.
    std::string Write(std::string_view utf8Name, std::string_view text) const;
    std::string PathOf(std::string_view utf8Name) const;

private:
    std::filesystem::path folder_;
};

// The UTF-8 path of one of the sample banks in examples/banks.
std::string ExampleBank(std::string_view name);
