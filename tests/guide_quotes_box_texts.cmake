# cmake -DSOURCE_DIR=... -P guide_quotes_box_texts.cmake
# Fails unless the users' guide, docs/guide.ar.md, quotes word for word every text of the
# program's own that a message box can show, and the reason that Windows shows when the user
# signs out during an install, so that the guide cannot fall behind the program.
#
# Which texts: a box shows what a message box call is given, or the description of an Error
# (every Error ends in a box). So in the program's sources, every statement that calls a
# message box (MessageBoxW, showMessageBox, showOutOfMemoryBox), registers a reason
# (ShutdownBlockReasonCreate) or makes an Error gives its
# wide literals, and the wide constants that it names (the handler's location, the boxes'
# title). An Error that the system's number describes (raiseLastError) adds no text. Literals
# side by side make one text. A text is cut where a number, a path or the system's description
# is joined to it, and each piece must be in the guide. Other literals (window captions, font
# faces, DLL and script names, format strings) are no box's text.
cmake_minimum_required(VERSION 3.25)
set(literal "L\"([^\"\\\\]|\\\\.)*\"")
set(adjacent_literals "${literal}([ \t\r\n]*${literal})*")
set(identifier_edge "[^A-Za-z0-9_]")

file(READ ${SOURCE_DIR}/docs/guide.ar.md guide)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/commands/*.cpp ${SOURCE_DIR}/commands/*.h ${SOURCE_DIR}/logging/*.cpp ${SOURCE_DIR}/logging/*.h
    ${SOURCE_DIR}/platform/*.cpp ${SOURCE_DIR}/platform/*.h ${SOURCE_DIR}/window/*.cpp ${SOURCE_DIR}/window/*.h)

# The code of each file without its comments, and the wide constants of all of them.
set(constants "")
foreach(source IN LISTS sources)
    file(READ ${SOURCE_DIR}/${source} code)
    string(REGEX REPLACE "//[^\n]*" "" code "${code}")
    set(code_${source} "${code}")
    string(REGEX MATCHALL "wchar_t [A-Za-z_][A-Za-z0-9_]*\\[\\] = ${literal}" definitions "${code}")
    foreach(definition IN LISTS definitions)
        string(REGEX REPLACE "^wchar_t ([A-Za-z0-9_]+)\\[\\] = L\"(.*)\"$" "\\1" name "${definition}")
        string(REGEX REPLACE "^wchar_t ([A-Za-z0-9_]+)\\[\\] = L\"(.*)\"$" "\\2" constant_${name} "${definition}")
        list(APPEND constants ${name})
    endforeach()
endforeach()

set(found 0)
set(missing "")
# Counts a piece of a box text, and notes it when the guide lacks it.
function(check piece source)
    string(MD5 key "${piece}")
    if(piece STREQUAL "" OR DEFINED seen_${key})
        return()
    endif()
    set(seen_${key} TRUE PARENT_SCOPE)
    math(EXPR count "${found} + 1")
    set(found ${count} PARENT_SCOPE)
    string(FIND "${guide}" "${piece}" at)
    if(at EQUAL -1)
        set(missing "${missing}\n  \"${piece}\"   (${source})" PARENT_SCOPE)
    else()
        message(STATUS "quoted: \"${piece}\"   (${source})")
    endif()
endfunction()

foreach(source IN LISTS sources)
    # Statements, cut where a line ends in ";": a literal cannot hold a line break.
    string(REGEX REPLACE ";[ \t\r]*\n" ";\n" rest "${code_${source}}")
    while(NOT rest STREQUAL "")
        string(FIND "${rest}" ";\n" end)
        if(end EQUAL -1)
            set(statement "${rest}")
            set(rest "")
        else()
            string(SUBSTRING "${rest}" 0 ${end} statement)
            math(EXPR end "${end} + 2")
            string(SUBSTRING "${rest}" ${end} -1 rest)
        endif()
        string(REGEX REPLACE "${literal}" "" names "${statement}")
        if(NOT names MATCHES "MessageBox|OutOfMemoryBox|ShutdownBlockReasonCreate|${identifier_edge}Error[ \t]*[({A-Za-z_]")
            continue()
        endif()
        while(statement MATCHES "${adjacent_literals}")
            set(text "${CMAKE_MATCH_0}")
            string(REPLACE "${text}" "" statement "${statement}")
            string(REGEX REPLACE "\"[ \t\r\n]*L\"" "" text "${text}")
            string(REGEX REPLACE "^L\"(.*)\"$" "\\1" text "${text}")
            check("${text}" ${source})
        endwhile()
        foreach(name IN LISTS constants)
            if(" ${names} " MATCHES "${identifier_edge}${name}${identifier_edge}")
                check("${constant_${name}}" ${source})
            endif()
        endforeach()
    endwhile()
endforeach()

if(found EQUAL 0)
    message(FATAL_ERROR "No box text found in the sources: this reading no longer fits them")
endif()
if(NOT missing STREQUAL "")
    message(FATAL_ERROR "docs/guide.ar.md does not quote these box texts of the program:${missing}")
endif()
message(STATUS "docs/guide.ar.md quotes all ${found} pieces of box texts")
