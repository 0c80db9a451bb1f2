# cmake -DSOURCE_DIR=... -DWORK_DIR=... -P reproducible_build.cmake
# Builds the program twice as tools/release.sh does (tools/build-release.sh), each time in a
# fresh folder of its own, and packs the release archive from each build. Fails unless the two
# executables and the two archives have the same SHA-256, and unless the archive holds the
# build's executable, with fixed times, order, permissions and owner, a SHA256SUMS that holds,
# and the guide as Notepad text that sends the reader to no file the archive lacks.
# Without docs/guide.ar.md there is no archive: it then compares the executables only and says
# that it skipped the rest.
set(guide ${SOURCE_DIR}/docs/guide.ar.md)
foreach(build first second)
    set(folder ${WORK_DIR}/${build})
    execute_process(COMMAND sh ${SOURCE_DIR}/tools/build-release.sh ${folder}
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(SHA256 ${folder}/bin/NorvasquelSetup.exe hash_${build})
    message(STATUS "${build} build: ${hash_${build}}")
    if(EXISTS ${guide})
        execute_process(
            COMMAND sh ${SOURCE_DIR}/tools/pack-release.sh ${folder} ${folder}/bin/NorvasquelSetup.exe
            OUTPUT_VARIABLE archive_${build} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        file(SHA256 ${archive_${build}} archive_hash_${build})
        message(STATUS "${build} archive: ${archive_hash_${build}}")
    endif()
endforeach()
if(NOT hash_first STREQUAL hash_second)
    message(FATAL_ERROR "Two builds of the same sources differ")
endif()

if(NOT EXISTS ${guide})
    message("SKIPPED the release archive: docs/guide.ar.md is missing (the two builds are the same)")
elseif(NOT archive_hash_first STREQUAL archive_hash_second)
    message(FATAL_ERROR "Two release archives of the same sources differ")
else()
    # One line per entry: permissions, owner and group, size, time, name.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${CMAKE_COMMAND} -E tar tvf ${archive_first}
        OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
    message(STATUS "The archive:\n${listing}")
    string(REGEX MATCHALL "[^\n]+" entries "${listing}")
    set(names)
    set(times)
    foreach(entry IN LISTS entries)
        if(NOT entry MATCHES "^([-rwx]+) +0 0 +0 +[0-9]+ +(.+ [0-9][0-9]:[0-9][0-9]) (.+)$")
            message(FATAL_ERROR "An entry with an owner or an unexpected form: ${entry}")
        endif()
        set(mode ${CMAKE_MATCH_1})
        list(APPEND times "${CMAKE_MATCH_2}")
        set(name ${CMAKE_MATCH_3})
        list(APPEND names ${name})
        set(wanted_mode -rw-r--r--)
        if(name STREQUAL "NorvasquelSetup.exe")
            set(wanted_mode -rwxr-xr-x)
        endif()
        if(NOT mode STREQUAL wanted_mode)
            message(FATAL_ERROR "${name} has the permissions ${mode}, not ${wanted_mode}")
        endif()
    endforeach()
    list(REMOVE_DUPLICATES times)
    list(LENGTH times time_count)
    if(NOT time_count EQUAL 1)
        message(FATAL_ERROR "The entries carry different times: ${times}")
    endif()
    set(expected NOTICES.txt NorvasquelSetup.exe SHA256SUMS copyright-gcc-mingw-w64.txt
        copyright-mingw-w64.txt guide.ar.txt)
    if(NOT names STREQUAL expected)
        message(FATAL_ERROR "The archive holds ${names}, in this order, not ${expected}")
    endif()

    set(unpacked ${WORK_DIR}/unpacked)
    file(ARCHIVE_EXTRACT INPUT ${archive_first} DESTINATION ${unpacked})
    file(SHA256 ${unpacked}/NorvasquelSetup.exe packed_hash)
    if(NOT packed_hash STREQUAL hash_first)
        message(FATAL_ERROR "The archive's NorvasquelSetup.exe is not the build's")
    endif()
    execute_process(COMMAND sha256sum --check --strict SHA256SUMS WORKING_DIRECTORY ${unpacked}
        OUTPUT_VARIABLE checked COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "[^\n]+: OK" checked "${checked}")
    list(LENGTH checked checked_count)
    if(NOT checked_count EQUAL 5)
        message(FATAL_ERROR "SHA256SUMS vouches for ${checked}, not for every other file")
    endif()

    # Notepad opens the guide as UTF-8 for its byte-order mark; lines end in CR LF; no markup.
    # file(READ) drops CRs as text, so the line ends are read as bytes: "ef bb bf ... 0d 0a ".
    file(READ ${unpacked}/guide.ar.txt bytes HEX)
    string(REGEX REPLACE ".." "\\0 " bytes "${bytes}")
    if(NOT bytes MATCHES "^ef bb bf ")
        message(FATAL_ERROR "guide.ar.txt does not start with a UTF-8 byte-order mark")
    endif()
    if(NOT bytes MATCHES "0d 0a $" OR bytes MATCHES "(^|([^0].|.[^d]) )0a ")
        message(FATAL_ERROR "A line of guide.ar.txt does not end in CR LF")
    endif()
    file(READ ${unpacked}/guide.ar.txt text)
    if(text MATCHES "(</?div|!\\[|\\]\\(|\\*\\*|`|\n#)")
        message(FATAL_ERROR "guide.ar.txt keeps markdown: ${CMAKE_MATCH_1}")
    endif()
    if(text MATCHES "([^ \n]+\\.(md|png)|README)")
        message(FATAL_ERROR "guide.ar.txt sends the reader to ${CMAKE_MATCH_1}, which the archive lacks")
    endif()
endif()
file(REMOVE_RECURSE ${WORK_DIR})
