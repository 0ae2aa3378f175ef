#!/bin/sh
# Compiler launcher for the test program: runs the MinGW-w64 compiler of the POSIX thread model
# (i686-w64-mingw32-g++-posix) in place of the given one. GoogleTest needs std::mutex, which the
# Win32 thread model of Debian's GCC 12 lacks; the products keep the Win32 thread model.
compiler=$1
shift
exec "${compiler%-win32}-posix" "$@"
