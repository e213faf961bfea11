# pvx_program_version_files(DIR VERSION): writes DIR/ProgramVersion.h and
# DIR/parivex.manifest for VERSION (major.minor.patch): the numbers of the
# version resource and the manifest's identity, which assets/parivex.rc finds
# through DIR on its include path. The program's version itself is the
# project's, kept once in project() at the top of CMakeLists.txt.
function(pvx_program_version_files dir version)
  if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "pvx_program_version_files: '${version}' is not major.minor.patch")
  endif()
  set(PVX_VERSION_MAJOR ${CMAKE_MATCH_1})
  set(PVX_VERSION_MINOR ${CMAKE_MATCH_2})
  set(PVX_VERSION_PATCH ${CMAKE_MATCH_3})
  configure_file(${PROJECT_SOURCE_DIR}/assets/ProgramVersion.h.in ${dir}/ProgramVersion.h @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/assets/parivex.manifest.in ${dir}/parivex.manifest @ONLY)
endfunction()
