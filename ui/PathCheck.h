#pragma once
// The checks every procedure makes on a path before it touches anything: the path must fit the
// Windows limit and be representable in the ANSI code page the file calls use. Each failing
// check shows its error box and answers false/nullopt.
#include "framework/Messages.h"

#include <optional>
#include <string>

// True when the ANSI path fits the 259-character limit; otherwise shows "the path is too long".
bool CheckPathLength(const std::string& ansiPath, fw::Messages& messages);

// The box text (UTF-8) in the ANSI code page, or nullopt after an error box when a character
// cannot be represented there.
std::optional<std::string> BoxTextToAnsi(const std::string& boxText, fw::Messages& messages);
