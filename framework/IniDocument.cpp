#include "framework/IniDocument.h"

#include <algorithm>

namespace fw {

namespace {

char FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

// The line's key matches when the text before its first "=" is the key.
bool HoldsKey(std::string_view line, std::string_view key) {
    const auto eq = line.find('=');
    return eq != std::string_view::npos && SameName(line.substr(0, eq), key);
}

} // namespace

std::size_t IniDocument::FoldedHash::operator()(std::string_view name) const {
    std::size_t hash = static_cast<std::size_t>(14695981039346656037ull); // FNV-1a
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(FoldAscii(c))) * static_cast<std::size_t>(1099511628211ull);
    return hash;
}

bool IniDocument::FoldedEqual::operator()(std::string_view a, std::string_view b) const {
    return SameName(a, b);
}

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument document;
    const auto nul = bytes.find('\0');
    if (nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
    document.text_ = std::make_unique<const std::string>(bytes);
    const std::string_view text = *document.text_;

    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        const std::string_view line = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size())
            pos += (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;

        if (line.empty() || line.front() == ';')
            continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = &document.Append(line.substr(1, line.size() - 2));
        } else if (current) {
            current->lines.push_back(line);
        }
    }
    return document;
}

IniDocument::LoadResult IniDocument::Load(const std::string& path) {
    platform::ReadResult read = platform::ReadWholeFile(path);
    LoadResult result;
    switch (read.status) {
    case platform::ReadResult::Status::Missing:
        result.ok = true;
        break;
    case platform::ReadResult::Status::Ok:
        result.ok = true;
        result.document = Parse(read.bytes);
        break;
    case platform::ReadResult::Status::Failed:
        result.error = std::move(read.error);
        break;
    }
    return result;
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& section : sections_)
        if (!section.erased)
            names.emplace_back(section.name);
    return names;
}

IniDocument::Section* IniDocument::Find(std::string_view section) {
    const auto it = index_.find(section);
    return it == index_.end() ? nullptr : &sections_[it->second.front()];
}

const IniDocument::Section* IniDocument::Find(std::string_view section) const {
    const auto it = index_.find(section);
    return it == index_.end() ? nullptr : &sections_[it->second.front()];
}

IniDocument::Section& IniDocument::Append(std::string_view name) {
    sections_.push_back(Section{name, {}, false});
    index_[name].push_back(sections_.size() - 1);
    return sections_.back();
}

std::string_view IniDocument::Own(std::string text) {
    return owned_.emplace_back(std::move(text));
}

bool IniDocument::SectionExists(std::string_view section) const {
    return Find(section) != nullptr;
}

std::string IniDocument::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
    if (const Section* found = Find(section))
        for (const std::string_view line : found->lines)
            if (HoldsKey(line, key))
                return std::string(line.substr(line.find('=') + 1));
    return std::string(fallback);
}

void IniDocument::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Section* found = Find(section);
    if (!found)
        found = &Append(Own(std::string(section)));
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append("=").append(value);
    for (std::string_view& existing : found->lines)
        if (HoldsKey(existing, key)) {
            existing = Own(std::move(line));
            return;
        }
    found->lines.push_back(Own(std::move(line)));
}

void IniDocument::EraseSection(std::string_view section) {
    const auto it = index_.find(section);
    if (it == index_.end())
        return;
    sections_[it->second.front()].erased = true;
    it->second.erase(it->second.begin());
    if (it->second.empty())
        index_.erase(it);
}

std::string IniDocument::Serialize() const {
    std::size_t size = 0;
    for (const Section& section : sections_) {
        size += section.name.size() + 6;
        for (const std::string_view line : section.lines)
            size += line.size() + 2;
    }
    std::string bytes;
    bytes.reserve(size);
    for (const Section& section : sections_) {
        if (section.erased)
            continue;
        bytes.append("[").append(section.name).append("]\r\n");
        for (const std::string_view line : section.lines)
            bytes.append(line).append("\r\n");
        bytes.append("\r\n");
    }
    return bytes;
}

platform::WriteResult IniDocument::Save(const std::string& path) const {
    return platform::ReplaceFileContents(path, Serialize());
}

} // namespace fw
