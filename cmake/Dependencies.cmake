# json-parser comes from Debian's libjsonparser source package (scripts/setup.sh fetches it)
# and is built here for whichever machine this build is for.
set(JSONPARSER_SOURCE_DIR "${CMAKE_SOURCE_DIR}/build/deps/libjsonparser"
    CACHE PATH "Unpacked source of Debian's libjsonparser")
if(NOT EXISTS "${JSONPARSER_SOURCE_DIR}/json.c")
    message(FATAL_ERROR "json-parser source not found in ${JSONPARSER_SOURCE_DIR}; run scripts/setup.sh")
endif()
add_library(jsonparser STATIC "${JSONPARSER_SOURCE_DIR}/json.c")
target_include_directories(jsonparser SYSTEM PUBLIC "${JSONPARSER_SOURCE_DIR}")
target_compile_options(jsonparser PRIVATE -w)
if(NOT WIN32)
    target_link_libraries(jsonparser PUBLIC m)
endif()

# GoogleTest from Debian's googletest package, built with this build's compiler.
set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest source")
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ${WIN32} CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
