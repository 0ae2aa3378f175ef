#pragma once
// <windows.h> for the Win32 implementations, without the A/W macros that collide with the names
// of our own interfaces (platform::CopyFile, System::SetCurrentDirectory, ...).
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#undef CopyFile
#undef SetCurrentDirectory
#undef GetCurrentDirectory
#undef CreateMutex
#undef MessageBox
