target_sources(pvx_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ByteCompareTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CompareProgressTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Crc32Test.cpp
)
if(WIN32)
  pvx_win_test_group(app ui
    ${CMAKE_CURRENT_LIST_DIR}/AboutBoxTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CompareTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DropFilesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileCommandsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileNamesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LongCompareTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InternalSkinTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Crc32FileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileCompareTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowLeakTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PathTextsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartFilesTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/controls/PvxControlTestSupport.cpp
  )
  # StartFilesTest also starts the program itself with files on its command line.
  target_compile_definitions(pvx_win_tests_app PRIVATE PVX_PROGRAM="$<TARGET_FILE:parivex>")
  add_dependencies(pvx_win_tests_app parivex)
endif()
if(WIN32)
  # The program under hostile skins derived from the internal one.
  pvx_win_test_group(skin_torture ui
    ${CMAKE_CURRENT_LIST_DIR}/SkinTortureTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/skin/engine/SkinTorture.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/skin/engine/SkinTestFiles.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/skin/model/SkinTestPackages.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/skin/dialogs/DialogTestSupport.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/controls/PvxControlTestSupport.cpp
  )
endif()
