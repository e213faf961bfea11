# Sources of src/fileservices (see src/CMakeLists.txt for the targets).
