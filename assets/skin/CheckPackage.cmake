# Rebuilds an internal skin's package (PALETTE: the generator's palette, empty
# for the light one) from its sources and compares it byte
# for byte with the committed one (run by ctest, see CMakeLists.txt).
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${GENERATOR} ${WORK_DIR} ${PALETTE} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "GenerateSkinImages failed (${rc})")
endif()
# The package names its members by file name, so the options go in as Options.dat.
configure_file(${OPTIONS} ${WORK_DIR}/Options.dat COPYONLY)
execute_process(COMMAND ${PACKER} ${WORK_DIR}/package.pvxskin ${WORK_DIR}/Options.dat ${WORK_DIR}/ButtonHuge.bmp ${WORK_DIR}/Master.bmp
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "PackSkin failed (${rc})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/package.pvxskin ${COMMITTED} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "The committed ${COMMITTED} differs from the package rebuilt from its sources; "
                      "rebuild it with the target opus_skin_package or opus_dark_skin_package")
endif()
