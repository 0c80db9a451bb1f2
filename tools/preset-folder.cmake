# cmake -DPRESET=NAME -P tools/preset-folder.cmake
# Prints the build folder (binaryDir) of the configure preset NAME in CMakePresets.json, so that
# tools/wine-env.sh takes it from there rather than writing it again.
get_filename_component(root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
file(READ "${root}/CMakePresets.json" presets)
string(JSON count LENGTH "${presets}" configurePresets)
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
    string(JSON name GET "${presets}" configurePresets ${index} name)
    if(name STREQUAL PRESET)
        string(JSON folder GET "${presets}" configurePresets ${index} binaryDir)
        string(REPLACE "\${sourceDir}" "${root}" folder "${folder}")
        # message() writes to standard error; the caller reads standard output.
        execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${folder}")
        return()
    endif()
endforeach()
message(FATAL_ERROR "CMakePresets.json has no configure preset named \"${PRESET}\"")
