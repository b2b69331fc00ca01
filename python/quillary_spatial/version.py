# The one place the version is written: the wheel's metadata, the CMake project and the
# installed C++ package all read it from here.
__version__ = "0.1.0"
