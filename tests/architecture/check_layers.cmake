# Fails on any #include that goes against the core's layer order (src/core/Layers.cmake):
#   cmake -DQUELTA_SOURCE_DIR=<repo> -P check_layers.cmake
# A core file may include its own layer and lower ones, never a sibling, a higher layer or the ui;
# an include that names a folder names its layer ("core/link/...", "ui/status/..."); every folder
# of the core is a listed layer.
cmake_minimum_required(VERSION 3.25)
include(${QUELTA_SOURCE_DIR}/src/core/Layers.cmake)
quelta_read_layers()

set(violations "")
macro(violation text)
    list(APPEND violations "${text}")
endmacro()

file(GLOB core_folders LIST_DIRECTORIES true RELATIVE ${QUELTA_SOURCE_DIR}/src/core ${QUELTA_SOURCE_DIR}/src/core/*)
foreach(folder IN LISTS core_folders)
    if(IS_DIRECTORY ${QUELTA_SOURCE_DIR}/src/core/${folder} AND NOT folder IN_LIST QUELTA_LAYER_NAMES)
        violation("src/core/${folder}: a folder that is not a layer in Layers.cmake")
    endif()
endforeach()

file(GLOB_RECURSE sources RELATIVE ${QUELTA_SOURCE_DIR} ${QUELTA_SOURCE_DIR}/src/*.h ${QUELTA_SOURCE_DIR}/src/*.cpp)
foreach(source IN LISTS sources)
    file(STRINGS ${QUELTA_SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    string(REGEX MATCH "^src/core/([^/]+)/" in_core "${source}")
    set(layer "${CMAKE_MATCH_1}")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" target "${line}")
        if(NOT target MATCHES "/")
            continue() # a file of the same folder
        endif()
        if(target MATCHES "^ui/")
            if(in_core)
                violation("${source}: the core includes the ui: ${target}")
            endif()
            continue()
        endif()
        if(NOT target MATCHES "^core/([^/]+)/")
            violation("${source}: an include that does not name its layer: ${target}")
            continue()
        endif()
        set(used "${CMAKE_MATCH_1}")
        if(NOT used IN_LIST QUELTA_LAYER_NAMES)
            violation("${source}: ${target} is in no layer")
        elseif(in_core AND NOT used STREQUAL layer
               AND NOT QUELTA_LAYER_${used}_RANK LESS QUELTA_LAYER_${layer}_RANK)
            violation("${source}: ${layer} (rank ${QUELTA_LAYER_${layer}_RANK}) includes ${target} (rank ${QUELTA_LAYER_${used}_RANK})")
        endif()
    endforeach()
endforeach()

if(violations)
    list(JOIN violations "\n  " report)
    message(FATAL_ERROR "Includes against the layer order:\n  ${report}")
endif()
list(LENGTH sources checked)
message(STATUS "Layer order kept in ${checked} files")
