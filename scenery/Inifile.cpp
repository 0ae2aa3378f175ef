#include "scenery/Inifile.h"

#include "env/Language.h"
#include "framework/IniDocument.h"
#include "platform/Files.h"
#include "platform/PathRules.h"
#include "platform/Text.h"

#include <cstdio>
#include <limits>

namespace {

const Texts kReadOnly{"読み取り専用ファイルです。上書きしてもよろしいですか？\n%s",
                      "This is read only file.May I update?\n%s"};
const Texts kQuestionCaption{"確認", "Question"};
const Texts kCannotRead{"\"%s\" を読み込めません: %s", "Cannot read \"%s\": %s"};
const Texts kCannotSave{"\"%s\" を保存できません: %s", "Cannot save \"%s\": %s"};
const Texts kNoLayerAbove{
    "[%s] の \"Layer\" の値が最大のため、その上に新しいエリアを置けません: \"%s\"",
    "[%s] has the largest possible \"Layer\" value, so no new area can be placed above it: \"%s\""};
const Texts kBadLayer{"[%s] の \"Layer\" の値が整数ではありません: \"%s\"",
                      "[%s] has a \"Layer\" value that is not an integer: \"%s\""};

constexpr int kLastAreaNumber = 999;

EditResult Failed(std::string error) {
    return {false, std::move(error), {}};
}

EditResult CannotSave(const std::string& path, const platform::WriteResult& write) {
    return Failed(FormatText(Tr(kCannotSave), {platform::AnsiToUtf8(path), write.error}));
}

// The document and its section names, or the failure to load it.
struct Loaded {
    fw::IniDocument document;
    std::vector<std::string> names;
    std::string error;
};

Loaded Load(const std::string& path) {
    fw::IniDocument::LoadResult load = fw::IniDocument::Load(path);
    if (!load.ok)
        return {{}, {}, FormatText(Tr(kCannotRead), {platform::AnsiToUtf8(path), load.error})};
    std::vector<std::string> names = load.document.SectionNames();
    return {std::move(load.document), std::move(names), {}};
}

// The area identity: its Local value, empty when missing.
std::string IdentityOf(const fw::IniDocument& document, const std::string& section) {
    return document.ReadString(section, "Local", "");
}

// The section's layer, or the failure that ends the run.
std::optional<std::int32_t> LayerOf(const fw::IniDocument& document, const std::string& section, std::string& error) {
    const std::string value = document.ReadString(section, "Layer", "");
    const auto layer = ConvertLayer(value);
    if (!layer)
        error = FormatText(Tr(kBadLayer), {platform::AnsiToUtf8(section), platform::AnsiToUtf8(value)});
    return layer;
}

std::string AreaName(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "Area.%.3d", number); // exactly three digits for 1 to 999
    return name;
}

} // namespace

std::string BackupName(const std::string& path) {
    return (path.size() >= 4 ? path.substr(0, path.size() - 4) : std::string()) + ".QZ_BAK";
}

bool IsAreaSection(std::string_view name) {
    return name.size() == 8 && platform::EqualsIgnoringAsciiCase(name.substr(0, 5), "Area.");
}

std::optional<int> AreaNumber(std::string_view name) {
    if (!IsAreaSection(name))
        return std::nullopt;
    const std::string_view field = name.substr(5);
    std::size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || (field[i] >= '\t' && field[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-'))
        negative = field[i++] == '-';
    if (i == field.size() || field[i] < '0' || field[i] > '9')
        return std::nullopt;
    int number = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
        number = number * 10 + (field[i] - '0');
    return negative ? -number : number;
}

std::optional<std::int32_t> ConvertLayer(std::string_view value) {
    while (!value.empty() && value.front() == ' ')
        value.remove_prefix(1);
    int base = 10;
    bool negative = false;
    if (!value.empty() && value.front() == '$') {
        base = 16;
        value.remove_prefix(1);
    } else if (!value.empty() && (value.front() == 'x' || value.front() == 'X')) {
        base = 16;
        value.remove_prefix(1);
    } else if (value.size() >= 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
        base = 16;
        value.remove_prefix(2);
    } else if (!value.empty() && (value.front() == '+' || value.front() == '-')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    if (value.empty())
        return std::nullopt;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (const char c : value) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > kLimit)
            return std::nullopt;
    }
    if (negative)
        magnitude = -magnitude;
    if (magnitude > std::numeric_limits<std::int32_t>::max() || magnitude < std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return static_cast<std::int32_t>(magnitude);
}

EditResult CheckScenery(S_DATA* job) {
    Loaded loaded = Load(job->FileName);
    if (!loaded.error.empty())
        return Failed(std::move(loaded.error));
    // Each area section's identity, read once for all entries.
    std::vector<std::string> locals;
    for (const std::string& name : loaded.names)
        if (IsAreaSection(name))
            locals.push_back(IdentityOf(loaded.document, name));
    for (A_DATA& area : std::span(job->Data, static_cast<std::size_t>(job->Count))) {
        area.Exist = false;
        for (const std::string& local : locals)
            if (platform::EqualsIgnoringAsciiCase(local, area.Local))
                area.Exist = true;
    }
    return {};
}

EditResult AddScenery(S_DATA* job) {
    Loaded loaded = Load(job->FileName);
    if (!loaded.error.empty())
        return Failed(std::move(loaded.error));
    fw::IniDocument& document = loaded.document;
    EditResult result;
    for (const A_DATA& area : std::span(job->Data, static_cast<std::size_t>(job->Count))) {
        if (!area.Add)
            continue;
        bool matched = false;
        std::int64_t largestNumber = 0;
        std::int32_t largestLayer = 0;
        std::string largestLayerSection;
        // Sections appended for earlier entries count too.
        for (const std::string& name : document.SectionNames()) {
            if (!IsAreaSection(name))
                continue;
            if (const auto number = AreaNumber(name); number && *number > largestNumber)
                largestNumber = *number;
            std::string error;
            const auto layer = LayerOf(document, name, error);
            if (!layer)
                return Failed(std::move(error));
            if (*layer > largestLayer) {
                largestLayer = *layer;
                largestLayerSection = name;
            }
            if (platform::EqualsIgnoringAsciiCase(IdentityOf(document, name), area.Local)) {
                document.WriteString(name, "Active", "TRUE");
                matched = true;
                break;
            }
        }
        if (!matched && largestNumber < kLastAreaNumber && largestLayer == std::numeric_limits<std::int32_t>::max()) {
            // The next layer would not read back as a Layer.
            return Failed(FormatText(Tr(kNoLayerAbove),
                                     {platform::AnsiToUtf8(largestLayerSection), std::to_string(largestLayer)}));
        }
        if (!matched && largestNumber < kLastAreaNumber) {
            const std::string name = AreaName(static_cast<int>(largestNumber) + 1);
            document.WriteString(name, "Title", area.Title);
            document.WriteString(name, "Local", area.Local);
            document.WriteString(name, "Active", area.Active);
            document.WriteString(name, "Layer", std::to_string(largestLayer + 1));
            document.WriteString(name, "Required", "FALSE");
            document.WriteString(name, "Remote", "");
        } else if (!matched) {
            result.notAdded.push_back(area.Title);
        }
        if (const platform::WriteResult write = document.Save(job->FileName); !write.ok)
            return CannotSave(job->FileName, write);
    }
    return result;
}

EditResult DelScenery(S_DATA* job, bool backup, fw::Messages& messages) {
    if (backup && !BackupSceneryCfg(job->FileName, messages))
        return {false, {}, {}};
    for (const A_DATA& area : std::span(job->Data, static_cast<std::size_t>(job->Count))) {
        if (!area.Del)
            continue;
        // The file holds what was saved for the earlier entries.
        Loaded loaded = Load(job->FileName);
        if (!loaded.error.empty())
            return Failed(std::move(loaded.error));
        fw::IniDocument& document = loaded.document;
        std::vector<std::string>& names = loaded.names;
        std::optional<std::int32_t> removedLayer;
        for (auto it = names.begin(); it != names.end(); ++it) {
            if (!IsAreaSection(*it) || !platform::EqualsIgnoringAsciiCase(IdentityOf(document, *it), area.Local))
                continue;
            std::string error;
            removedLayer = LayerOf(document, *it, error);
            if (!removedLayer)
                return Failed(std::move(error));
            document.EraseSection(*it);
            names.erase(it);
            break;
        }
        if (!removedLayer)
            continue;
        for (const std::string& name : names) {
            if (!IsAreaSection(name))
                continue;
            std::string error;
            const auto layer = LayerOf(document, name, error);
            if (!layer)
                return Failed(std::move(error));
            if (*layer > *removedLayer)
                document.WriteString(name, "Layer", std::to_string(*layer - 1));
        }
        if (const platform::WriteResult write = document.Save(job->FileName); !write.ok)
            return CannotSave(job->FileName, write);
    }
    return {};
}

bool BackupSceneryCfg(const std::string& path, fw::Messages& messages) {
    if (!platform::FileExists(path))
        return false;
    const auto attributes = platform::GetAttributes(path);
    if (attributes && (*attributes & platform::kAttrReadOnly)) {
        if (!messages.Ask(FormatText(Tr(kReadOnly), platform::AnsiToUtf8(path)), Tr(kQuestionCaption)))
            return false;
        // Archive alone: hidden and system go with the read-only bit.
        platform::SetAttributes(path, platform::kAttrArchive);
    }
    platform::CopyFile(path, BackupName(path), false);
    return true;
}
