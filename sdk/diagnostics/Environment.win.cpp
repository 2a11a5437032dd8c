#include "sdk/diagnostics/Environment.h"

namespace Vantor {

Environment& ProcessEnvironment() {
    static Environment environment;
    return environment;
}

}  // namespace Vantor
