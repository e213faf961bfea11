# Speed checks, run by scripts/bench.sh and never by the tests.
add_executable(pvx_crc32_bench ${CMAKE_CURRENT_LIST_DIR}/Crc32MethodsBench.cpp)
target_link_libraries(pvx_crc32_bench PRIVATE pvx_core)
pvx_strict(pvx_crc32_bench)

if(WIN32)
  add_executable(pvx_filecrc32_bench ${CMAKE_CURRENT_LIST_DIR}/FileCrc32Bench.cpp)
  target_link_libraries(pvx_filecrc32_bench PRIVATE pvx_ui)
  pvx_strict(pvx_filecrc32_bench)
  # The Compare command through the real main window; the program's resources
  # give it the program's manifest (code page, common controls) and pictures.
  add_executable(pvx_compare_window_bench ${CMAKE_CURRENT_LIST_DIR}/CompareWindowBench.cpp
    ${CMAKE_SOURCE_DIR}/assets/parivex.rc)
  target_link_libraries(pvx_compare_window_bench PRIVATE pvx_ui psapi)
  target_include_directories(pvx_compare_window_bench PRIVATE ${PVX_PROGRAM_VERSION_DIR})
  pvx_strict(pvx_compare_window_bench)
endif()

# The internal skin, from its package bytes to a ready model (native only):
#   build/bench-native/bench/pvx_skin_load_bench [ROUNDS]   (target: median under 5 ms)
if(NOT WIN32)
  add_executable(pvx_skin_load_bench ${CMAKE_CURRENT_LIST_DIR}/SkinLoadBench.cpp)
  target_link_libraries(pvx_skin_load_bench PRIVATE pvx_core)
  target_compile_definitions(pvx_skin_load_bench PRIVATE
    PVX_SKIN_PACKAGE="${CMAKE_SOURCE_DIR}/assets/skin/Opus.pvxskin")
  pvx_strict(pvx_skin_load_bench)
endif()

# Painting the internal skin's parts at the main window's sizes (native only):
#   build/bench-native/bench/pvx_skin_paint_bench [ROUNDS]
#   (targets: each part's median well under 1 ms, the fade frame under 50 us)
if(NOT WIN32)
  add_executable(pvx_skin_paint_bench ${CMAKE_CURRENT_LIST_DIR}/SkinPaintBench.cpp)
  target_link_libraries(pvx_skin_paint_bench PRIVATE pvx_core)
  target_compile_definitions(pvx_skin_paint_bench PRIVATE
    PVX_SKIN_PACKAGE="${CMAKE_SOURCE_DIR}/assets/skin/Opus.pvxskin")
  pvx_strict(pvx_skin_paint_bench)
endif()

# The skin engine on the real main window under Wine (scripts/bench-skin.sh):
# targets: whole window repainted under 5 ms, a button's cache under 200 us,
# a fade frame under 100 us, the About box's shadowed name painted under 1 ms,
# a file name edit's button fade frame under 100 us, a details pane's two
# scroll bars under 0.5 ms, each thumb-track step of a 10,000-line pane under
# 5 ms (median and worst).
if(WIN32)
  add_executable(pvx_skin_window_bench ${CMAKE_CURRENT_LIST_DIR}/SkinWindowBench.cpp ${CMAKE_SOURCE_DIR}/assets/parivex.rc)
  target_link_libraries(pvx_skin_window_bench PRIVATE pvx_ui)
  target_include_directories(pvx_skin_window_bench PRIVATE ${PVX_PROGRAM_VERSION_DIR})
  pvx_strict(pvx_skin_window_bench)
endif()
