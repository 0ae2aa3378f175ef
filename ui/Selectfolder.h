#pragma once
#include "platform/System.h"

#include <cstddef>
#include <string>

// The shell's folder picker, modal to `owner`; the chosen folder's path (UTF-8) as the system
// gives it (a drive root keeps its backslash), or the empty text when nothing was chosen.
std::string SelectFolder(platform::System& system, void* owner, const std::string& title);

// The copy, with every trailing '\' removed when it is at least 4 characters long and ends in
// one: C:\ stays C:\, D:\Games\\ becomes D:\Games.
std::string CopyTrimPath(const std::string& src);
// Every trailing '\' removed, whatever the length: D:\ becomes D:.
void TrimPath(std::string& s);

// The length of `s` without its trailing backslashes. The second byte of a double-byte character
// (Shift_JIS 表 is 0x95 0x5C) is part of that character, not a backslash; `isLeadByte` tells which
// bytes start one.
std::size_t LengthWithoutTrailingBackslashes(const std::string& s, bool (*isLeadByte)(unsigned char));
