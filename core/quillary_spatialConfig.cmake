# The quillary_spatial CMake package: target quillary_spatial::core (headers, static library,
# C++20). The core needs nothing but the C++ standard library.
include("${CMAKE_CURRENT_LIST_DIR}/quillary_spatialTargets.cmake")
