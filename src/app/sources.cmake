# Portable: the checksum, the byte comparison and the pacing and text of the
# Compare command's progress.
target_sources(pvx_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ByteCompare.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Crc32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Crc32Pclmul.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Crc32Vpclmul.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressPacing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressText.cpp
)
# Windows: start-up, the main window, the About box, file reading.
if(WIN32)
  target_sources(pvx_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/About.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BusyPump.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComparedFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CompareRun.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Crc32File.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileCompare.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StoredFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmMainData.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReadableText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartUp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TaskbarProgress.cpp
  )
endif()
if(WIN32)
  # GCC cannot align the Win64 stack beyond 16 bytes; should it ever spill a
  # 64-byte register here, the assembler makes the aligned move an unaligned one.
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/Crc32Vpclmul.cpp
    PROPERTIES COMPILE_OPTIONS -Wa,-muse-unaligned-vector-move)
endif()
