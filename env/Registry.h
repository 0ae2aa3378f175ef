#pragma once
// The three questions the programs ask of the registry at start-up. Each call reads afresh and
// writes nothing. Texts are bytes in the system ANSI code page, exactly as stored.
#include "platform/Registry.h"

#include <string>

// Index 0: Flight Simulator 2004 (9.0), index 1: Flight Simulator 2002 (8.0).
// False when the key cannot be opened; `path` is then left as it was.
// Throws fw::ERegistryException for a value that is not text.
bool GetFsPath(platform::RegistrySource& registry, std::string& path, int index);
bool GetAddonPath(platform::RegistrySource& registry, std::string& path);
// True only when HKCU\Control Panel\International "Locale" reads exactly "00000411".
bool IsJapaneseLocale(platform::RegistrySource& registry);
