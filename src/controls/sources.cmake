# Sources of src/controls (see src/CMakeLists.txt for the targets).
