# cmake -DCLANG_FORMAT=... -DSOURCE_DIR=... -P check_format.cmake
set(globs)
foreach(folder platform core widgets main_window view_current about help resources app tests bench)
    list(APPEND globs ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
endforeach()
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${globs})
list(SORT sources)
if(NOT sources)
    message(FATAL_ERROR "No sources found under ${SOURCE_DIR}")
endif()

execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
                WORKING_DIRECTORY ${SOURCE_DIR}
                RESULT_VARIABLE result ERROR_VARIABLE findings)
if(NOT result EQUAL 0)
    # One line per file that differs, not every finding.
    string(REGEX MATCHALL "[^\n:]+:[0-9]+:[0-9]+: error:" files "${findings}")
    if(NOT files)
        message(FATAL_ERROR "clang-format failed:\n${findings}")
    endif()
    list(TRANSFORM files REPLACE ":[0-9]+:[0-9]+: error:$" "")
    list(REMOVE_DUPLICATES files)
    list(LENGTH files count)
    list(JOIN files "\n  " listed)
    message(FATAL_ERROR "${count} files differ from .clang-format (clang-format -i fixes them):\n"
                        "  ${listed}")
endif()
