#include "ResultText.h"

namespace FmodStandin {

const char* ResultText(FMOD_RESULT result)
{
    switch (result) {
    case FMOD_OK: return "FMOD_OK";
    case FMOD_ERR_BADCOMMAND: return "FMOD_ERR_BADCOMMAND";
    case FMOD_ERR_EVENT_ALREADY_LOADED: return "FMOD_ERR_EVENT_ALREADY_LOADED";
    case FMOD_ERR_EVENT_NOTFOUND: return "FMOD_ERR_EVENT_NOTFOUND";
    case FMOD_ERR_FILE_BAD: return "FMOD_ERR_FILE_BAD";
    case FMOD_ERR_FILE_NOTFOUND: return "FMOD_ERR_FILE_NOTFOUND";
    case FMOD_ERR_FORMAT: return "FMOD_ERR_FORMAT";
    case FMOD_ERR_HEADER_MISMATCH: return "FMOD_ERR_HEADER_MISMATCH";
    case FMOD_ERR_INITIALIZED: return "FMOD_ERR_INITIALIZED";
    case FMOD_ERR_INVALID_FLOAT: return "FMOD_ERR_INVALID_FLOAT";
    case FMOD_ERR_INVALID_HANDLE: return "FMOD_ERR_INVALID_HANDLE";
    case FMOD_ERR_INVALID_PARAM: return "FMOD_ERR_INVALID_PARAM";
    case FMOD_ERR_MEMORY: return "FMOD_ERR_MEMORY";
    case FMOD_ERR_TRUNCATED: return "FMOD_ERR_TRUNCATED";
    case FMOD_ERR_UNINITIALIZED: return "FMOD_ERR_UNINITIALIZED";
    case FMOD_RESULT_FORCEINT: break;
    }
    return "unknown result";
}

}  // namespace FmodStandin
