# Sources of src/gfx (see src/CMakeLists.txt for the targets).
