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
# Folders, and files of the footing folders and the application, that must stay free of Qt:
# the design and tables of each footing, and the headless command's library.
set(qt_free_folders core rc report project)
set(qt_free_files "_design\\.(h|cpp)$|_tables\\.h$|^app/(headless|design_windows)[a-z_]*\\.(h|cpp)$")
# An include as the preprocessor reads it: blanks are allowed around the '#'.
set(include_line "^[ \t]*#[ \t]*include[ \t]*([\"<][^\">]*[\">])")
# Qt's headers: <QString>, <QtCore/qglobal.h>, <qglobal.h>.
set(qt_header "^<(Q[A-Za-z]|q[a-z0-9_]*\\.h>)")

set(problems "")
set(below "")
foreach(layer IN LISTS layers)
    string(REPLACE "|" ";" folders "${layer}")
    foreach(folder IN LISTS folders)
        file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
        set(allowed ${below} ${folder})
        foreach(source IN LISTS sources)
            file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
            file(STRINGS "${source}" includes REGEX "${include_line}")
            list(FIND qt_free_folders "${folder}" qt_free_index)
            set(qt_free FALSE)
            if(NOT qt_free_index EQUAL -1 OR name MATCHES "${qt_free_files}")
                set(qt_free TRUE)
            endif()
            foreach(line IN LISTS includes)
                string(REGEX REPLACE "${include_line}.*" "\\1" header "${line}")
                if(header MATCHES "^\"([a-z_]+)/")
                    set(target "${CMAKE_MATCH_1}")
                    list(FIND allowed "${target}" index)
                    if(index EQUAL -1)
                        string(APPEND problems "  ${name}: ${line} (${folder} may not include ${target})\n")
                    endif()
                elseif(qt_free AND header MATCHES "${qt_header}")
                    string(APPEND problems "  ${name}: ${line} (${name} is free of Qt)\n")
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
