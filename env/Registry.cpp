#include "env/Registry.h"

#include "framework/Exception.h"
#include "framework/RegistryReader.h"

namespace {

constexpr const char* kFsKeys[] = {
    "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0",
    "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0",
};

bool ReadText(platform::RegistrySource& registry, platform::RegRoot root, const char* key, const char* value,
              std::string& text) {
    fw::TRegistry reader(registry);
    reader.SetRootKey(root);
    if (!reader.OpenKeyReadOnly(key))
        return false;
    text = reader.ReadString(value);
    reader.CloseKey();
    return true;
}

} // namespace

bool GetFsPath(platform::RegistrySource& registry, std::string& path, int index) {
    if (index < 0 || index > 1)
        throw fw::Exception("Unknown simulator index " + std::to_string(index));
    return ReadText(registry, platform::RegRoot::LocalMachine, kFsKeys[index], "EXE Path", path);
}

bool GetAddonPath(platform::RegistrySource& registry, std::string& path) {
    return ReadText(registry, platform::RegRoot::LocalMachine, "Software\\Vellmora\\PRQ_DL\\Pellarin2", "Path", path);
}

bool IsJapaneseLocale(platform::RegistrySource& registry) {
    std::string locale;
    return ReadText(registry, platform::RegRoot::CurrentUser, "Control Panel\\International", "Locale", locale) &&
           locale == "00000411";
}
