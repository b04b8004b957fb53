# Checks that every include of the project's own headers points down the layers, never up or
# sideways, and that the Qt-free layers include no Qt header.
#   cmake -DSOURCE_DIR=<project root> -P tools/check_layers.cmake
# Exits with an error naming each offending include.

# The layers from the bottom up; a folder may include its own headers and those of the folders
# before it. The four footing folders are one layer: none includes another.
set(layers
    "core"
    "rc"
    "report"
    "project"
    "widgets"
    "shell"
    "isolated|strip|combined|strap"
    "app"
    "tools")
# Folders, and files of the footing folders, that must stay free of Qt.
set(qt_free_folders core rc report project)
set(qt_free_footing_files "_design\\.(h|cpp)$|_tables\\.h$")

set(problems "")
set(below "")
foreach(layer IN LISTS layers)
    string(REPLACE "|" ";" folders "${layer}")
    foreach(folder IN LISTS folders)
        file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
        set(allowed ${below} ${folder})
        foreach(source IN LISTS sources)
            file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
            file(STRINGS "${source}" includes REGEX "^#include [\"<]")
            list(FIND qt_free_folders "${folder}" qt_free_index)
            set(qt_free FALSE)
            if(NOT qt_free_index EQUAL -1 OR name MATCHES "${qt_free_footing_files}")
                set(qt_free TRUE)
            endif()
            foreach(line IN LISTS includes)
                if(line MATCHES "^#include \"([a-z_]+)/")
                    set(target "${CMAKE_MATCH_1}")
                    list(FIND allowed "${target}" index)
                    if(index EQUAL -1)
                        string(APPEND problems "  ${name}: ${line} (${folder} may not include ${target})\n")
                    endif()
                elseif(qt_free AND line MATCHES "^#include <Q")
                    string(APPEND problems "  ${name}: ${line} (${folder} is free of Qt)\n")
                endif()
            endforeach()
        endforeach()
    endforeach()
    list(APPEND below ${folders})
endforeach()

if(problems)
    message(FATAL_ERROR "Includes that cross the layers:\n${problems}")
endif()
message(STATUS "Every include points down the layers.")
