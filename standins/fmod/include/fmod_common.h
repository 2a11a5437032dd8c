/* Core types shared by the studio stand-in and its users: results, vectors, calling conventions. */
#ifndef FMOD_COMMON_H
#define FMOD_COMMON_H

#if defined(_WIN32)
#define F_CALL __stdcall
#else
#define F_CALL
#endif
#define F_API F_CALL
#define F_CALLBACK F_CALL

/* The library exports its classes; its users import them. */
#if defined(_WIN32) && defined(FMOD_STANDIN_BUILD_DLL)
#define F_EXPORT __declspec(dllexport)
#elif defined(_WIN32)
#define F_EXPORT __declspec(dllimport)
#else
#define F_EXPORT
#endif

/* Version the header was written for; System::create refuses any other. */
#define FMOD_VERSION 0x00020222

typedef int FMOD_BOOL;
typedef unsigned int FMOD_INITFLAGS;
#define FMOD_INIT_NORMAL 0x00000000

typedef enum FMOD_RESULT {
    FMOD_OK = 0,
    FMOD_ERR_BADCOMMAND = 1,           /* not allowed here, e.g. from inside a callback */
    FMOD_ERR_EVENT_ALREADY_LOADED = 2, /* that bank, or one of its events, is loaded already */
    FMOD_ERR_EVENT_NOTFOUND = 3,       /* no bank, event, bus, VCA or parameter of that name */
    FMOD_ERR_FILE_BAD = 4,             /* the file could not be read, or is too large */
    FMOD_ERR_FILE_NOTFOUND = 5,
    FMOD_ERR_FORMAT = 6,               /* the bank text is malformed */
    FMOD_ERR_HEADER_MISMATCH = 7,
    FMOD_ERR_INITIALIZED = 8,          /* already initialised, or a system already exists */
    FMOD_ERR_INVALID_FLOAT = 9,        /* NaN or infinity */
    FMOD_ERR_INVALID_HANDLE = 10,      /* null, released, unloaded or foreign handle */
    FMOD_ERR_INVALID_PARAM = 11,
    FMOD_ERR_MEMORY = 12,              /* a count limit of the stand-in was reached */
    FMOD_ERR_TRUNCATED = 13,           /* text cut to fit the buffer given */
    FMOD_ERR_UNINITIALIZED = 14,       /* System::initialize has not run */
    FMOD_RESULT_FORCEINT = 65536
} FMOD_RESULT;

typedef struct FMOD_VECTOR {
    float x;
    float y;
    float z;
} FMOD_VECTOR;

typedef struct FMOD_3D_ATTRIBUTES {
    FMOD_VECTOR position;
    FMOD_VECTOR velocity;
    FMOD_VECTOR forward;
    FMOD_VECTOR up;
} FMOD_3D_ATTRIBUTES;

#define FMOD_MAX_LISTENERS 8

#endif
