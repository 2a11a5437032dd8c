# Debian's libstb-dev: header-only image reading and writing (stb_image.h, stb_image_write.h),
include_guard(GLOBAL)
# compiled into whichever target includes them, for the target machine as for any other.
find_path(STB_INCLUDE_DIR stb_image.h PATHS /usr/include/stb NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_library(stb INTERFACE)
target_include_directories(stb SYSTEM INTERFACE ${STB_INCLUDE_DIR})
