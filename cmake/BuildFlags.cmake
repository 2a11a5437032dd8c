add_compile_options(-Wall -Wextra -Wno-unused-parameter)

if(WIN32)
    enable_language(RC)
    # Everything is linked statically so that no mingw runtime DLL has to sit beside the libraries.
    add_link_options(-static -static-libgcc -static-libstdc++)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
else()
    option(VANTOR_SANITIZE "Build the native pure pieces with AddressSanitizer and UBSan" ON)
    if(VANTOR_SANITIZE)
        add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
        add_link_options(-fsanitize=address,undefined)
    endif()
endif()

