# The fuzz targets built with the program's own compiler and flags, each run
# once on its seeds and on every input that ever found a fault (including in
# the sanitizer pass). Included by the main build.
add_library(quillomat_fuzz_replay STATIC ${CMAKE_CURRENT_LIST_DIR}/HttpFuzzHarness.cpp
                                         ${CMAKE_CURRENT_LIST_DIR}/replay.cpp)
target_link_libraries(quillomat_fuzz_replay PUBLIC quillomat_http)
foreach(target fuzz_internetheaders fuzz_httpresponse)
    add_executable(replay_${target} ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp)
    target_link_libraries(replay_${target} PRIVATE quillomat_fuzz_replay)
    add_test(NAME replay_${target} COMMAND replay_${target}
             ${CMAKE_CURRENT_LIST_DIR}/seeds/${target} ${CMAKE_CURRENT_LIST_DIR}/regressions/${target})
    set_tests_properties(replay_${target} PROPERTIES ENVIRONMENT "${QUILLOMAT_TEST_ENVIRONMENT}"
                         TIMEOUT 120 LABELS update)
endforeach()
set_target_properties(quillomat_fuzz_replay replay_fuzz_internetheaders replay_fuzz_httpresponse
                      PROPERTIES AUTOMOC OFF)
