# Speed checks, run by scripts/bench.sh and never by the tests.
add_executable(pvx_crc32_bench ${CMAKE_CURRENT_LIST_DIR}/Crc32MethodsBench.cpp)
target_link_libraries(pvx_crc32_bench PRIVATE pvx_core)
pvx_strict(pvx_crc32_bench)

if(WIN32)
  add_executable(pvx_compare_bench ${CMAKE_CURRENT_LIST_DIR}/FileCompareBench.cpp)
  target_link_libraries(pvx_compare_bench PRIVATE pvx_ui)
  pvx_strict(pvx_compare_bench)
endif()
