# The version kwedit and kwtool print: the project's, followed by the commit when the sources are a
# git checkout. Read when CMake configures, never from the clock; a new commit configures again.
set(KW_VERSION_TEXT "${PROJECT_VERSION}")
find_package(Git QUIET)
if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel --short=12 HEAD
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE git_answer OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_failed ERROR_QUIET)
    string(REPLACE "\n" ";" git_answer "${git_answer}")
    list(LENGTH git_answer git_lines)
    if(NOT git_failed AND git_lines EQUAL 2)
        list(GET git_answer 0 git_top)
        list(GET git_answer 1 git_commit)
        # Sources unpacked inside some other repository are no checkout of their own.
        file(REAL_PATH "${git_top}" git_top)
        file(REAL_PATH "${PROJECT_SOURCE_DIR}" source_top)
        if(git_top STREQUAL source_top)
            string(APPEND KW_VERSION_TEXT " (git ${git_commit})")
            execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --git-path HEAD
                                    --git-path refs/heads --git-path packed-refs
                            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                            OUTPUT_VARIABLE git_paths OUTPUT_STRIP_TRAILING_WHITESPACE)
            string(REPLACE "\n" ";" git_paths "${git_paths}")
            execute_process(COMMAND ${GIT_EXECUTABLE} symbolic-ref -q HEAD
                            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                            OUTPUT_VARIABLE git_branch OUTPUT_STRIP_TRAILING_WHITESPACE)
            list(GET git_paths 0 git_head)
            list(GET git_paths 1 git_heads)
            list(GET git_paths 2 git_packed)
            set(git_watched ${git_head} ${git_packed})
            if(git_branch MATCHES "^refs/heads/(.+)$")
                list(APPEND git_watched "${git_heads}/${CMAKE_MATCH_1}")
            endif()
            foreach(watched ${git_watched})
                file(REAL_PATH "${watched}" watched BASE_DIRECTORY ${PROJECT_SOURCE_DIR})
                if(EXISTS "${watched}")
                    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${watched}")
                endif()
            endforeach()
        endif()
    endif()
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/BuildVersion.h.in
               ${CMAKE_BINARY_DIR}/generated/BuildVersion.h @ONLY)
foreach(program kwedit kwtool)
    if(TARGET ${program})
        target_include_directories(${program} PRIVATE ${CMAKE_BINARY_DIR}/generated)
    endif()
endforeach()
