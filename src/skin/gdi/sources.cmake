# The skin on the platform's device contexts: text in a section's colours,
# items copied to a DC, window borders, shaped regions, system colours and
# the JPEG decoder the platform lends the skin loader.
target_sources(pvx_skin PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/HoleRegion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinItemToDC.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SystemColorTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WicJpegDecoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowBorder.cpp
)
target_link_libraries(pvx_skin PUBLIC windowscodecs ole32 uuid)
