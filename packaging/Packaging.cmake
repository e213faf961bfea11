# The Windows packages, in ${PVX_DIST_DIR}: the installer
# parivex-<version>-win64.msi (wixl) and the portable parivex-<version>-win64.zip
# with the program, the licence and a read-me. scripts/package.sh builds them
# and copies them to build/dist. Included by the top CMakeLists.txt in
# Windows builds, after the program and before the tests.
find_program(PVX_WIXL wixl REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(PVX_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(PVX_ZIP_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/make_zip.py)

# pvx_stage_program(STAGE_DIR TARGET): STAGE_DIR/parivex.exe, the target's
# program without its debugging information, beside the licence (LICENSE.txt,
# with Windows line ends) and the icon. SOURCE_DATE_EPOCH fixes the time stamp
# that strip writes into the program's header, so that the same build gives
# the same bytes.
function(pvx_stage_program stage target)
  configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${stage}/LICENSE.txt @ONLY NEWLINE_STYLE WIN32)
  configure_file(${PROJECT_SOURCE_DIR}/assets/icon/parivex.ico ${stage}/parivex.ico COPYONLY)
  add_custom_command(OUTPUT ${stage}/parivex.exe
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0
            ${CMAKE_STRIP} -o ${stage}/parivex.exe $<TARGET_FILE:${target}>
    DEPENDS ${target}
    COMMENT "Staging ${stage}/parivex.exe"
    VERBATIM)
endfunction()

# pvx_add_msi(OUTPUT STAGE_DIR VERSION): the installer OUTPUT of STAGE_DIR's
# program and licence as VERSION (major.minor.patch).
function(pvx_add_msi output stage version)
  string(REGEX MATCH "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$" matched "${version}")
  if(NOT matched)
    message(FATAL_ERROR "pvx_add_msi: '${version}' is not major.minor.patch")
  endif()
  math(EXPR next_patch "${CMAKE_MATCH_3} + 1")
  set(wxs ${PROJECT_SOURCE_DIR}/packaging/parivex.wxs)
  # wixl looks its sources up relative to the folder it runs in.
  add_custom_command(OUTPUT ${output}
    COMMAND ${PVX_WIXL} --arch x64 -o ${output}
            -D Version=${version} -D NextVersion=${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${next_patch}
            -D "Publisher=${PVX_PUBLISHER}" -D PublisherAddress=${PVX_PUBLISHER_ADDRESS}
            ${wxs}
    WORKING_DIRECTORY ${stage}
    DEPENDS ${stage}/parivex.exe ${stage}/LICENSE.txt ${stage}/parivex.ico ${wxs}
    COMMENT "Building ${output}"
    VERBATIM)
endfunction()

set(stage ${CMAKE_BINARY_DIR}/packaging/stage)
set(PVX_MSI ${PVX_DIST_DIR}/parivex-${PROJECT_VERSION}-win64.msi)
set(PVX_ZIP ${PVX_DIST_DIR}/parivex-${PROJECT_VERSION}-win64.zip)
configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt.in ${stage}/README.txt @ONLY NEWLINE_STYLE WIN32)
pvx_stage_program(${stage} parivex)
pvx_add_msi(${PVX_MSI} ${stage} ${PROJECT_VERSION})

# The zip's members, in their order; the package test builds it again with
# the same command and compares the bytes.
set(PVX_ZIP_MEMBERS
  parivex.exe=${stage}/parivex.exe LICENSE.txt=${stage}/LICENSE.txt README.txt=${stage}/README.txt)
add_custom_command(OUTPUT ${PVX_ZIP}
  COMMAND ${Python3_EXECUTABLE} ${PVX_ZIP_SCRIPT} ${PVX_ZIP} ${PVX_ZIP_MEMBERS}
  DEPENDS ${PVX_ZIP_SCRIPT} ${stage}/parivex.exe ${stage}/LICENSE.txt ${stage}/README.txt
  COMMENT "Building ${PVX_ZIP}"
  VERBATIM)
add_custom_target(packages ALL DEPENDS ${PVX_MSI} ${PVX_ZIP})
