#pragma once
// The editor of scenery.cfg: which of the package's areas it lists, adding areas after the
// largest area number and above the largest layer, removing areas and closing the layer gap, and
// the backup copy with the read-only question. Each call loads the file afresh; each entry's
// changes reach the file in one save, or not at all.
#include "framework/Messages.h"
#include "scenery/Scenery.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What an editor call came to.
struct EditResult {
    // False when the call stopped: refused or nothing to back up (`error` empty), or failed.
    bool done = true;
    // What failed, one line in the user-interface language: the file and the system's reason,
    // or the section and its bad "Layer" value. Changes saved before the failure stay.
    std::string error;
    // AddScenery: the titles it could not add because the area numbers ran out (Area.999).
    std::vector<std::string> notAdded;
};

// Sets Exist of every entry: some area section's Local equals the entry's, case ignored.
EditResult CheckScenery(S_DATA* job);
// Re-activates each entry with Add that is listed, or appends it as a new area section; saves
// after every such entry.
EditResult AddScenery(S_DATA* job);
// With `backup`, first BackupSceneryCfg (a false result stops the call before any change); then
// removes the first area section of each entry with Del and moves the higher layers down by one.
EditResult DelScenery(S_DATA* job, bool backup, fw::Messages& messages);
// Copies scenery.cfg to its backup name after asking to lift a read-only attribute. False when
// the file does not exist or the user refuses; a failed copy is not looked at.
bool BackupSceneryCfg(const std::string& path, fw::Messages& messages);

// The path less its last 4 bytes (".cfg"), followed by ".QZ_BAK".
std::string BackupName(const std::string& path);
// A section named "Area." and 3 more characters, ASCII letters folded.
bool IsAreaSection(std::string_view name);
// The number in an area section's last 3 characters as "%03d" reads it; nullopt without a digit.
std::optional<int> AreaNumber(std::string_view name);
// A "Layer" value: optional leading spaces, then a signed decimal or a hexadecimal number after
// "$", "x" or "0x", nothing after it, within the 32-bit signed range.
std::optional<std::int32_t> ConvertLayer(std::string_view value);
