// The settings file "Vantor.ini" in the extensions folder, read once per process.
#pragma once

#include <string>

namespace Vantor {

// The value of key (UTF-8) as UTF-8 text, empty when absent or when the file is missing.
// The first call loads the file under a spin lock, so two threads at once load it once; a load
// that failed (reported in a box titled "Vantor SDK error") is not retried.
std::string ReadSetting(const char* key);

}  // namespace Vantor
