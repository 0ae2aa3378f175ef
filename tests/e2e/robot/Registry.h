#pragma once
// Registry values for a scenario, written from the test process into the view a 32-bit program
// reads (the programs and the tests run in the same Wine prefix).
#include <windows.h>

#include <string>

namespace robot::registry {

// Sets `name` under `root`\`path` (keys are created) to `data` of `type` exactly as given: no
// terminating NUL is added, so a text value should come from Text().
void SetRaw(HKEY root, const std::string& path, const std::string& name, DWORD type, const std::string& data);
// A REG_SZ (or REG_EXPAND_SZ) value holding `text` (ANSI bytes) and its terminating NUL.
void SetText(HKEY root, const std::string& path, const std::string& name, const std::string& text, DWORD type = REG_SZ);
void SetDword(HKEY root, const std::string& path, const std::string& name, DWORD value);
// Removes `name`; nothing happens when it is absent.
void DeleteValue(HKEY root, const std::string& path, const std::string& name);
// Removes the key with everything below it; nothing happens when it is absent.
void DeleteTree(HKEY root, const std::string& path);
// Creates the key without values.
void CreateKey(HKEY root, const std::string& path);

} // namespace robot::registry
