# cmake -DSOURCE_DIR=... -DWORK_DIR=... -DTOOLCHAIN_FILE=... -P reproducible_build.cmake
# Builds the program twice, each time in a fresh folder of its own, and fails unless the two
# executables have the same SHA-256.
foreach(build first second)
    set(folder ${WORK_DIR}/${build})
    file(REMOVE_RECURSE ${folder})
    execute_process(
        COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${folder} -G "Unix Makefiles"
            -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN_FILE} -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    execute_process(
        COMMAND ${CMAKE_COMMAND} --build ${folder} --target NorvasquelSetup --parallel 2
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(SHA256 ${folder}/bin/NorvasquelSetup.exe hash_${build})
    message(STATUS "${build} build: ${hash_${build}}")
endforeach()
if(NOT hash_first STREQUAL hash_second)
    message(FATAL_ERROR "Two builds of the same sources differ")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
