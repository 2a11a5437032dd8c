# The scene reader and the definition catalog: pure pieces of vantor-host, built for both
# machines so the unit tests cover them natively too.
if(NOT TARGET scene_script)
    set(SCENE_SCRIPT_DIR ${CMAKE_CURRENT_LIST_DIR})
    add_library(scene_script STATIC ${SCENE_SCRIPT_DIR}/SceneScript.cpp ${SCENE_SCRIPT_DIR}/SceneLiterals.cpp
        ${SCENE_SCRIPT_DIR}/SceneCatalog.cpp)
    target_include_directories(scene_script PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(scene_script PUBLIC vantor_core)
endif()
