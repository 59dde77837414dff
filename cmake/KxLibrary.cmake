# Each source folder is one static library made of every .cpp/.h in it (subfolders included),
# so adding a file never means editing a build script. EXCLUDE lists files that belong to an
# executable instead (a main()).
function(kx_add_library name)
    cmake_parse_arguments(ARG "" "" "EXCLUDE;DEPS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    foreach(excluded IN LISTS ARG_EXCLUDE)
        list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
    endforeach()
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    if(sources)
        file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
        add_library(${name} STATIC ${sources} ${headers})
        # AUTOMOC's rule does not depend on the file list, so files that a re-glob adds to an
        # existing build would never be moc'ed: when the list changes, make that rule run again.
        set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_files.txt)
        set(files "${sources};${headers}")
        set(known_files "")
        if(EXISTS ${list_file})
            file(READ ${list_file} known_files)
        endif()
        if(NOT known_files STREQUAL files)
            file(WRITE ${list_file} "${files}")
            file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/timestamp)
        endif()
        target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
        target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    else()
        # A folder with headers only (or nothing yet).
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    endif()
endfunction()
