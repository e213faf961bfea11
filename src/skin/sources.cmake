# Sources of src/skin (see src/CMakeLists.txt for the targets).
