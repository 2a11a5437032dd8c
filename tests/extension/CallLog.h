// What the test extension's members were called with, for the tests to take.
#pragma once

#include <string>

namespace TestExtension {

enum class LinkFault { None = 0, MissingNumber = 1, WrongCount = 2 };

// The fault the next Extension construction makes, set by a test.
extern LinkFault linkFault;

void Record(const wchar_t* format, ...);

}  // namespace TestExtension
