# A skinned form's frame geometry, caption buttons and fade, natively.
target_sources(pvx_core_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/FrameGeometryTest.cpp)
