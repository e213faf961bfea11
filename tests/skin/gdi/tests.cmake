if(WIN32)
  # The skin on the platform: text, items and borders on device contexts,
  # shaped regions and the platform's JPEG decoder, under Wine.
  pvx_win_test_group(skin_gdi skin
    ${CMAKE_CURRENT_SOURCE_DIR}/skin/model/SkinTestPackages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PaintToDcTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WicJpegDecoderTest.cpp
  )
endif()
