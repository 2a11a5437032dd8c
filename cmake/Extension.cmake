# A host extension library: a DLL named NAME.mfx whose exports carry the plain names the host
# looks up, with the framework linked whole (its exports live in it) and the resources the
# host expects: the definition (102) and icon (101) of type "OVIK", "MF2", data 200 and a
# version block. A library built without DEFINITION reads its definition from files only.
function(vantor_extension NAME)
    cmake_parse_arguments(EXT "" "DEFINITION;ICON;DESCRIPTION" "SOURCES;LIBRARIES" ${ARGN})
    set(VANTOR_NAME ${NAME})
    set(VANTOR_DESCRIPTION ${EXT_DESCRIPTION})
    set(VANTOR_OVIK_RESOURCES "")
    if(EXT_ICON)
        string(APPEND VANTOR_OVIK_RESOURCES "101 OVIK \"${EXT_ICON}\"\n")
    endif()
    if(EXT_DEFINITION)
        string(APPEND VANTOR_OVIK_RESOURCES "102 OVIK \"${EXT_DEFINITION}\"\n")
    endif()
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${NAME}.rc)
    configure_file(${CMAKE_SOURCE_DIR}/sdk/resources/Extension.rc.in ${rc} @ONLY)
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${EXT_DEFINITION};${EXT_ICON}")

    add_library(${NAME} SHARED ${EXT_SOURCES} ${rc})
    set_target_properties(${NAME} PROPERTIES PREFIX "" SUFFIX ".mfx")
    target_link_options(${NAME} PRIVATE -Wl,--kill-at)
    target_link_libraries(${NAME} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,vantor>" ${EXT_LIBRARIES})

    # Shipped lean: the debug information (most of the linked file, with the static C++
    # runtime's) moves to NAME.mfx.debug beside it, which the library's debug link names for
    # debuggers.
    set(library $<TARGET_FILE:${NAME}>)
    add_custom_command(TARGET ${NAME} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${library} ${library}.debug
        COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${library}.debug ${library}
        VERBATIM)
endfunction()
