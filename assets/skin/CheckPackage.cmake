# Rebuilds the internal skin's package from its sources and compares it byte
# for byte with the committed one (run by ctest, see CMakeLists.txt).
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${GENERATOR} ${WORK_DIR} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "GenerateSkinImages failed (${rc})")
endif()
execute_process(COMMAND ${PACKER} ${WORK_DIR}/Opus.pvxskin ${OPTIONS} ${WORK_DIR}/ButtonHuge.bmp ${WORK_DIR}/Master.bmp
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "PackSkin failed (${rc})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/Opus.pvxskin ${COMMITTED} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "The committed ${COMMITTED} differs from the package rebuilt from its sources; "
                      "rebuild it with: cmake --build build/native --target opus_skin_package")
endif()
