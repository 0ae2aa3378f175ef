#pragma once
// An INI file held in memory: loaded whole, edited, written back whole (the class library's
// TMemIniFile, as scenery.cfg relies on it).
//
// The dialect, in one place:
// - Text is bytes (the system ANSI code page), never converted. A NUL byte ends the text.
// - Lines end at CR LF, at a lone CR or at a lone LF; a last line without a line end counts.
// - Lines are kept exactly as they are, never trimmed. An empty line, or one whose first byte is
//   ";", is dropped. A line that begins with "[" and ends with "]" starts a section named by what
//   lies between (blanks included, possibly empty). Any other line, with or without "=", belongs
//   to the current section; lines before the first section are dropped.
// - Sections keep the file's order; two headers of one name make two sections, and every lookup
//   by name finds the first of them.
// - Names compare with ASCII letters folded; other bytes compare exactly.
// - A key is the text before a line's first "=", the value everything after it, untrimmed: the
//   line "Layer = 5" does not hold the key "Layer", the line "Layer= 5" holds " 5". The first line
//   with the key wins.
// - Writing a key replaces its line where it stands (with the writer's spelling of the key) or
//   appends the line to the section; a missing section is appended to the document first.
// - Saving writes every section as "[name]", its lines and one empty line, each ending in CR LF;
//   an empty document gives an empty file. Comments, blank lines and other line ends are gone.
#include "platform/Files.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace fw {

class IniDocument {
public:
    struct LoadResult;

    IniDocument() = default;
    IniDocument(IniDocument&&) = default;
    IniDocument& operator=(IniDocument&&) = default;
    IniDocument(const IniDocument&) = delete;
    IniDocument& operator=(const IniDocument&) = delete;

    static IniDocument Parse(std::string_view bytes);
    // A missing file, or a folder of that name, gives an empty document.
    [[nodiscard]] static LoadResult Load(const std::string& path);

    // Every section name in file order, duplicates included.
    std::vector<std::string> SectionNames() const;
    bool SectionExists(std::string_view section) const;
    // The value of the key in the first section of that name, or `fallback`.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Removes the first section of that name with all its lines; an absent section is no error.
    void EraseSection(std::string_view section);

    std::string Serialize() const;
    // Replaces the file's contents in one step (see platform::ReplaceFileContents).
    [[nodiscard]] platform::WriteResult Save(const std::string& path) const;

private:
    // Lines are views into the loaded text or into `owned_`, which holds every name and line
    // written since; both keep their addresses when the document moves. Erased sections stay
    // in `sections_`, marked, so that the index keeps its positions.
    struct Section {
        std::string_view name;
        std::vector<std::string_view> lines;
        bool erased = false;
    };
    // Names hashed and compared with ASCII letters folded.
    struct FoldedHash {
        std::size_t operator()(std::string_view name) const;
    };
    struct FoldedEqual {
        bool operator()(std::string_view a, std::string_view b) const;
    };

    Section* Find(std::string_view section);
    const Section* Find(std::string_view section) const;
    Section& Append(std::string_view name);
    std::string_view Own(std::string text);

    std::unique_ptr<const std::string> text_;
    std::deque<std::string> owned_;
    std::vector<Section> sections_;
    // Name -> the positions of the sections of that name, in file order; the first is found.
    std::unordered_map<std::string_view, std::vector<std::size_t>, FoldedHash, FoldedEqual> index_;
};

struct IniDocument::LoadResult {
    bool ok = false;
    IniDocument document;
    std::string error; // the system's reason (UTF-8), when not ok
};

} // namespace fw
