# Debian's cross compiler for s390x, with the s390x libraries of its multiarch
# folders (libgtest-dev:s390x), and qemu-user to run what it builds:
#   cmake -S . -B build/s390x --toolchain cmake/s390x-linux-gnu.cmake
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(CMAKE_CXX_COMPILER s390x-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE s390x-linux-gnu)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-s390x-static -L /usr/s390x-linux-gnu)
