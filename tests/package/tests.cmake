# The Windows packages' tests.
# package_zip (natively): the portable zip's members, and a second and third
# build of it from the same files, byte for byte.
# package_installer (under Wine, in a Wine prefix of its own made afresh for
# every run, so that nothing installed reaches the other tests' prefix, with
# the builtins a bare Windows lacks switched off): the installer installs,
# starts, upgrades and uninstalls, as msiexec runs it; the program unpacked
# from the zip starts; both import only what Windows 7 has.
# package_imports (under Wine): every program of the build imports system
# DLLs only, and no call that Windows added after 7.
set(package_dir ${CMAKE_CURRENT_BINARY_DIR}/package)

# An older version for the upgrade: the same program with another version in
# its resources, packaged as that version.
set(older_version 1.0.0)
if(NOT older_version VERSION_LESS PROJECT_VERSION)
  message(FATAL_ERROR "tests/package: the older version ${older_version} must be below ${PROJECT_VERSION}")
endif()
pvx_program_version_files(${package_dir}/older-version ${older_version})
add_executable(pvx_package_older_program WIN32
  ${CMAKE_SOURCE_DIR}/src/app/main.cpp ${CMAKE_SOURCE_DIR}/assets/parivex.rc)
target_link_libraries(pvx_package_older_program PRIVATE pvx_ui)
target_include_directories(pvx_package_older_program PRIVATE ${package_dir}/older-version)
pvx_stage_program(${package_dir}/older-stage pvx_package_older_program)
set(older_msi ${package_dir}/parivex-${older_version}-win64.msi)
pvx_add_msi(${older_msi} ${package_dir}/older-stage ${older_version})

# Another build of this version: the same files under a new product code.
set(rebuilt_msi ${package_dir}/parivex-${PROJECT_VERSION}-rebuilt-win64.msi)
pvx_add_msi(${rebuilt_msi} ${CMAKE_BINARY_DIR}/packaging/stage ${PROJECT_VERSION})
add_custom_target(pvx_package_test_installers ALL DEPENDS ${older_msi} ${rebuilt_msi})
add_dependencies(pvx_package_test_installers packages)

add_test(NAME package_zip
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/check_zip.py ${PVX_ZIP} ${PROJECT_VERSION}
          ${Python3_EXECUTABLE} ${PVX_ZIP_SCRIPT} ${PVX_ZIP_MEMBERS})

add_executable(pvx_package_tests ${CMAKE_CURRENT_LIST_DIR}/InstallerTest.cpp)
target_sources(pvx_package_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SystemImports.cpp)
target_link_libraries(pvx_package_tests PRIVATE
  pvx_core GTest::gtest_main msi shell32 ole32 uuid version advapi32 user32)
target_compile_definitions(pvx_package_tests PRIVATE
  PVX_MSI="${PVX_MSI}" PVX_REBUILT_MSI="${rebuilt_msi}" PVX_OLDER_MSI="${older_msi}"
  PVX_UNZIPPED_PROGRAM="${package_dir}/unzipped/parivex.exe"
  PVX_ICON="${CMAKE_SOURCE_DIR}/assets/icon/parivex.ico"
  PVX_VERSION="${PROJECT_VERSION}" PVX_OLDER_VERSION="${older_version}"
  PVX_PUBLISHER="${PVX_PUBLISHER}"
  PVX_WINE_ONLY_DLLS="${CMAKE_CURRENT_LIST_DIR}/wine-only-dlls.txt")
pvx_strict(pvx_package_tests)
add_test(NAME package_installer
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/run-in-fresh-prefix.sh ${package_dir}/wineprefix
          ${PVX_ZIP} ${package_dir}/unzipped $<TARGET_FILE:pvx_package_tests>)
set_tests_properties(package_installer PROPERTIES TIMEOUT 600 RESOURCE_LOCK display)

# A program linked against zlib's import library and calling what Windows 8
# added, which the import table test must catch; built, never run, and left
# out of the list of built programs.
find_library(PVX_ZLIB_IMPORT_LIBRARY NAMES libz.dll.a REQUIRED)
add_executable(pvx_bare_windows_probe ${CMAKE_CURRENT_LIST_DIR}/BareWindowsProbe.cpp)
target_include_directories(pvx_bare_windows_probe PRIVATE ${PVX_ZLIB_INCLUDE_DIR})
target_link_libraries(pvx_bare_windows_probe PRIVATE ${PVX_ZLIB_IMPORT_LIBRARY})

include(${CMAKE_SOURCE_DIR}/cmake/BuiltPrograms.cmake)
set(built_programs ${package_dir}/built-programs.txt)
# Deferred to the end of the top directory, when every program's target
# exists; the arguments are expanded now, where these variables are set.
cmake_language(EVAL CODE "
  cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL pvx_write_built_programs
    [[${built_programs}]] [[${CMAKE_BINARY_DIR}/packaging/stage/parivex.exe]]
    [[${package_dir}/older-stage/parivex.exe]] EXCEPT pvx_bare_windows_probe)")
add_executable(pvx_import_tests
  ${CMAKE_CURRENT_LIST_DIR}/ImportTableTest.cpp ${CMAKE_CURRENT_LIST_DIR}/SystemImports.cpp)
target_link_libraries(pvx_import_tests PRIVATE pvx_core GTest::gtest_main)
target_compile_definitions(pvx_import_tests PRIVATE
  PVX_BUILT_PROGRAMS="${built_programs}" PVX_PROGRAM="$<TARGET_FILE:parivex>"
  PVX_STAGED_PROGRAM="${CMAKE_BINARY_DIR}/packaging/stage/parivex.exe"
  PVX_BARE_WINDOWS_PROBE="$<TARGET_FILE:pvx_bare_windows_probe>")
add_dependencies(pvx_import_tests pvx_bare_windows_probe)
pvx_strict(pvx_import_tests)
add_test(NAME package_imports COMMAND pvx_import_tests)
