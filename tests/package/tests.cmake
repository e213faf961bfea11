# The Windows packages' tests.
# package_zip (natively): the portable zip's members, and a second and third
# build of it from the same files, byte for byte.
# package_installer (under Wine, in a Wine prefix of its own made afresh for
# every run, so that nothing installed reaches the other tests' prefix): the
# installer installs, starts, upgrades and uninstalls, as msiexec runs it.
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
target_link_libraries(pvx_package_tests PRIVATE GTest::gtest_main msi shell32 ole32 uuid version advapi32 user32)
target_compile_definitions(pvx_package_tests PRIVATE
  PVX_MSI="${PVX_MSI}" PVX_REBUILT_MSI="${rebuilt_msi}" PVX_OLDER_MSI="${older_msi}"
  PVX_UNZIPPED_PROGRAM="${package_dir}/unzipped/parivex.exe"
  PVX_ICON="${CMAKE_SOURCE_DIR}/assets/icon/parivex.ico"
  PVX_VERSION="${PROJECT_VERSION}" PVX_OLDER_VERSION="${older_version}"
  PVX_PUBLISHER="${PVX_PUBLISHER}")
pvx_strict(pvx_package_tests)
add_test(NAME package_installer
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/run-in-fresh-prefix.sh ${package_dir}/wineprefix
          ${PVX_ZIP} ${package_dir}/unzipped $<TARGET_FILE:pvx_package_tests>)
set_tests_properties(package_installer PROPERTIES TIMEOUT 600 RESOURCE_LOCK display)
