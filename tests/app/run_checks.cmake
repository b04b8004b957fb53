# Checks of the built programs and of what installs them, run by CTest:
#   cmake -DCHECK=<what> [-D...] -P run_checks.cmake
# CHECK=no-display  PROGRAM: the window program with a display it cannot open, and with none,
#                   says how to work without one and exits with status 1 (no abort).
# CHECK=install     BUILD_DIR, APP_ID: `cmake --install` puts exactly the programs, the menu
#                   entry, the icon and the AppStream file under the prefix.
# CHECK=deb         BUILD_DIR, APP_ID: CPack's Debian package holds the same files and
#                   depends on Qt; its contents are printed.
# CHECK=project-report  PROGRAM (foundations-calc), PROJECT, OUT_DIR: --project PROJECT
#                   --report writes a PDF of more pages than footings and prints a line per
#                   footing; into a missing folder it prints the lines, says why on stderr and
#                   exits with status 1.

function(expect_exit_one description)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT code STREQUAL "1")
        message(FATAL_ERROR "${description}: exit status ${code}, expected 1\n${out}${err}")
    endif()
    if(NOT err MATCHES "foundations-calc" OR NOT err MATCHES "headless command")
        message(FATAL_ERROR "${description}: no word of the headless command\n${err}")
    endif()
    message(STATUS "${description}: status 1\n${err}")
endfunction()

set(expected_files
    "bin/foundations"
    "bin/foundations-calc"
    "share/applications/${APP_ID}.desktop"
    "share/icons/hicolor/scalable/apps/${APP_ID}.svg"
    "share/metainfo/${APP_ID}.metainfo.xml")

if(CHECK STREQUAL "no-display")
    expect_exit_one("A display that cannot be opened"
        ${CMAKE_COMMAND} -E env --unset=QT_QPA_PLATFORM --unset=WAYLAND_DISPLAY DISPLAY=:97
        ${PROGRAM})
    expect_exit_one("No display at all"
        ${CMAKE_COMMAND} -E env --unset=QT_QPA_PLATFORM --unset=WAYLAND_DISPLAY --unset=DISPLAY
        ${PROGRAM})

elseif(CHECK STREQUAL "install")
    set(prefix "${BUILD_DIR}/install-check")
    file(REMOVE_RECURSE "${prefix}")
    execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                    RESULT_VARIABLE code OUTPUT_QUIET)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "cmake --install failed: ${code}")
    endif()
    file(GLOB_RECURSE installed RELATIVE "${prefix}" "${prefix}/*")
    list(SORT installed)
    set(wanted ${expected_files})
    list(SORT wanted)
    if(NOT installed STREQUAL wanted)
        message(FATAL_ERROR "Installed:\n  ${installed}\nexpected:\n  ${wanted}")
    endif()
    # Both installed programs run from the prefix.
    foreach(program foundations foundations-calc)
        execute_process(COMMAND "${prefix}/bin/${program}" --version
                        RESULT_VARIABLE code OUTPUT_VARIABLE out)
        if(NOT code EQUAL 0 OR NOT out MATCHES "^${program} [0-9.]+\n$")
            message(FATAL_ERROR "${prefix}/bin/${program} --version: ${code} ${out}")
        endif()
    endforeach()
    file(READ "${prefix}/share/applications/${APP_ID}.desktop" desktop)
    if(NOT desktop MATCHES "\nExec=foundations\n" OR NOT desktop MATCHES "\nIcon=${APP_ID}\n")
        message(FATAL_ERROR "The menu entry does not start the program with its icon:\n${desktop}")
    endif()
    find_program(appstreamcli appstreamcli)
    if(appstreamcli)
        execute_process(COMMAND ${appstreamcli} validate --no-net
                                "${prefix}/share/metainfo/${APP_ID}.metainfo.xml"
                        RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
        if(NOT code EQUAL 0)
            message(FATAL_ERROR "AppStream validation failed:\n${out}")
        endif()
    endif()
    file(REMOVE_RECURSE "${prefix}")
    message(STATUS "Installed: ${installed}")

elseif(CHECK STREQUAL "deb")
    find_program(dpkg_deb dpkg-deb)
    if(NOT dpkg_deb)
        message(STATUS "SKIP: dpkg-deb is not installed")
        return()
    endif()
    get_filename_component(cmake_bin "${CMAKE_COMMAND}" DIRECTORY)
    set(out_dir "${BUILD_DIR}/deb-check")
    file(REMOVE_RECURSE "${out_dir}")
    execute_process(COMMAND "${cmake_bin}/cpack" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake"
                            -B "${out_dir}"
                    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "cpack failed:\n${out}")
    endif()
    file(GLOB debs "${out_dir}/*.deb")
    list(LENGTH debs count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "expected one package, found: ${debs}")
    endif()
    execute_process(COMMAND ${dpkg_deb} --contents ${debs} OUTPUT_VARIABLE contents)
    execute_process(COMMAND ${dpkg_deb} --field ${debs} Package Version Depends
                    OUTPUT_VARIABLE fields)
    message(STATUS "dpkg-deb --contents ${debs}:\n${contents}\n${fields}")
    foreach(file IN LISTS expected_files)
        string(REPLACE "." "\\." pattern "${file}")
        if(NOT contents MATCHES " \\./usr/${pattern}\n")
            message(FATAL_ERROR "the package lacks /usr/${file}")
        endif()
    endforeach()
    if(NOT contents MATCHES "rwxr-xr-x[^\n]* \\./usr/bin/foundations\n")
        message(FATAL_ERROR "/usr/bin/foundations is not executable in the package")
    endif()
    if(NOT fields MATCHES "Depends: [^\n]*libqt6widgets6" OR NOT fields MATCHES "fonts-dejavu-core")
        message(FATAL_ERROR "the package does not depend on Qt and the fonts:\n${fields}")
    endif()
    file(REMOVE_RECURSE "${out_dir}")

elseif(CHECK STREQUAL "project-report")
    file(REMOVE_RECURSE "${OUT_DIR}")
    file(MAKE_DIRECTORY "${OUT_DIR}")
    set(pdf "${OUT_DIR}/building.pdf")
    execute_process(COMMAND ${PROGRAM} --project ${PROJECT} --report ${pdf}
                    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
    string(REGEX MATCHALL "\n" lines "${out}")
    list(LENGTH lines footings)
    if(NOT code EQUAL 0 OR NOT err STREQUAL "" OR footings LESS 1)
        message(FATAL_ERROR "--project --report: status ${code}\n${out}${err}")
    endif()
    file(STRINGS "${pdf}" pages REGEX "^/Type /Page$")
    list(LENGTH pages count)
    file(READ "${pdf}" head LIMIT 5)
    if(NOT head MATCHES "^%PDF-" OR count LESS_EQUAL footings)
        message(FATAL_ERROR "${pdf}: ${count} pages for ${footings} footings")
    endif()
    execute_process(COMMAND ${PROGRAM} --project ${PROJECT} --report ${OUT_DIR}/missing/b.pdf
                    RESULT_VARIABLE code OUTPUT_VARIABLE missing ERROR_VARIABLE err)
    if(NOT code EQUAL 1 OR NOT missing STREQUAL out OR NOT err MATCHES "does not exist")
        message(FATAL_ERROR "into a missing folder: status ${code}\n${missing}${err}")
    endif()
    message(STATUS "${footings} footings, ${count} pages; a missing folder: ${err}")

else()
    message(FATAL_ERROR "unknown CHECK \"${CHECK}\"")
endif()
