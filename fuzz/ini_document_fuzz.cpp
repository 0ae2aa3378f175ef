// The INI document on arbitrary bytes: load, section list, lookups, writes, erases and saves,
// each checked against the plain model and against the document's own reload.
#include "framework/IniDocument.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using fuzz::Model;

constexpr std::string_view kMissing = "\x01missing";

// A value that the file format can carry: no line end, no NUL, and a line that reloads as a line
// (never as a header) whatever key it follows.
std::string ValueFrom(fuzz::Choices& choices, std::string_view input) {
    static const char* const kValues[] = {"TRUE", "FALSE", "", " 5", "$1F", "a=b", "x]y", "Addon Scenery\\Vellmora"};
    std::string value;
    if (choices.Coin() && !input.empty()) {
        const std::size_t from = choices.Below(input.size());
        for (const char c : input.substr(from, choices.Below(24)))
            if (c != '\r' && c != '\n' && c != '\0')
                value += c;
    } else {
        value = kValues[choices.Below(std::size(kValues))];
    }
    if (!value.empty() && value.back() == ']')
        value += '.';
    return value;
}

// A key that some line of the first section of that name holds (with its letters swapped), or
// a new one.
std::string KeyFor(fuzz::Choices& choices, Model& model, std::string_view section) {
    if (fuzz::ModelSection* found = model.Find(section); found && !found->lines.empty() && choices.Coin()) {
        const std::string& line = found->lines[choices.Below(found->lines.size())];
        if (const auto eq = line.find('='); eq != std::string::npos)
            return choices.Coin() ? fuzz::SwapCase(line.substr(0, eq)) : line.substr(0, eq);
    }
    static const char* const kKeys[] = {"Layer", "Active", "Local", "Title", "Remote", "Required", "New Key"};
    return kKeys[choices.Below(std::size(kKeys))];
}

// A section name: an existing one (perhaps in other letter case) or a new one.
std::string SectionFor(fuzz::Choices& choices, const Model& model) {
    if (!model.sections.empty() && choices.Below(4) != 0) {
        const std::string& name = model.sections[choices.Below(model.sections.size())].name;
        return choices.Coin() ? fuzz::SwapCase(name) : name;
    }
    static const char* const kNames[] = {"Area.001", "area.999", "General", "", " Area.002 ", "New Section"};
    return kNames[choices.Below(std::size(kNames))];
}

// The document agrees with the model: names in order, serialized bytes, every key's lookup.
void ExpectSame(const fw::IniDocument& document, Model& model) {
    FUZZ_CHECK(document.SectionNames() == model.Names());
    FUZZ_CHECK(document.Serialize() == model.Serialize());
    std::size_t lookups = 0;
    for (const fuzz::ModelSection& section : model.sections) {
        FUZZ_CHECK(document.SectionExists(section.name));
        FUZZ_CHECK(document.SectionExists(fuzz::SwapCase(section.name)));
        for (const std::string& line : section.lines) {
            if (++lookups > 256)
                return;
            const auto eq = line.find('=');
            const std::string key = line.substr(0, eq == std::string::npos ? line.size() : eq);
            FUZZ_CHECK(document.ReadString(section.name, key, kMissing) == model.Read(section.name, key, kMissing));
            FUZZ_CHECK(document.ReadString(section.name, fuzz::SwapCase(key), kMissing) ==
                       model.Read(section.name, key, kMissing));
        }
    }
}

// Saving and loading the saved bytes again gives the same sections and lines, and saving that
// reload gives the same bytes.
void ExpectRoundTrip(const fw::IniDocument& document) {
    const std::string saved = document.Serialize();
    const Model model = Model::Parse(saved);
    FUZZ_CHECK(model.Serialize() == saved);
    const fw::IniDocument reloaded = fw::IniDocument::Parse(saved);
    FUZZ_CHECK(reloaded.SectionNames() == document.SectionNames());
    FUZZ_CHECK(reloaded.Serialize() == saved);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    fuzz::Choices choices(data, size);

    fw::IniDocument document = fw::IniDocument::Parse(input);
    Model model = Model::Parse(input);
    ExpectSame(document, model);
    ExpectRoundTrip(document);
    FUZZ_CHECK(Model::Parse(document.Serialize()) == model);
    FUZZ_CHECK(document.ReadString("\x01no such section", "Layer", kMissing) == kMissing);

    // A value into an existing section and into a new one, replacing and appending; erases,
    // also of sections written before, so that a name can come back after it was erased.
    const std::size_t steps = 4 + choices.Below(12);
    for (std::size_t step = 0; step < steps; ++step) {
        const std::string section = SectionFor(choices, model);
        if (choices.Below(4) == 0) {
            document.EraseSection(section);
            model.Erase(section);
        } else {
            const std::string key = KeyFor(choices, model, section);
            const std::string value = ValueFrom(choices, input);
            document.WriteString(section, key, value);
            model.Write(section, key, value);
            FUZZ_CHECK(document.SectionExists(section));
            FUZZ_CHECK(document.ReadString(section, key, kMissing) == value);
            FUZZ_CHECK(document.ReadString(fuzz::SwapCase(section), fuzz::SwapCase(key), kMissing) == value);
        }
        FUZZ_CHECK(document.SectionNames() == model.Names());
    }
    ExpectSame(document, model);
    ExpectRoundTrip(document);

    // The same through the file: saved whole, loaded back unchanged.
    const std::string path = fuzz::ProcessFolder() + "\\scenery.cfg";
    const platform::WriteResult write = document.Save(path);
    FUZZ_CHECK(write.ok);
    fw::IniDocument::LoadResult load = fw::IniDocument::Load(path);
    FUZZ_CHECK(load.ok);
    FUZZ_CHECK(load.document.Serialize() == document.Serialize());
    FUZZ_CHECK(load.document.SectionNames() == document.SectionNames());

    // The moved document keeps its lines (they are views into text it owns).
    fw::IniDocument moved = std::move(document);
    FUZZ_CHECK(moved.Serialize() == model.Serialize());
    return 0;
}
