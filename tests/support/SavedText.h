#pragma once
// What the expected files of the scenery tests are made with, shared by the native and the
// end-to-end tests.
#include <gtest/gtest.h>

#include <string>

namespace saved_text {

// A text as every save writes it: split at CR LF, CR or LF, up to a NUL; blank lines dropped;
// CR LF after every line and one empty line after each section (for texts without comments).
inline std::string Saved(std::string text) {
    text = text.substr(0, text.find('\0'));
    std::string out;
    bool any = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n')
            continue;
        const std::string line = text.substr(start, i - start);
        if (i < text.size() && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
        if (line.empty())
            continue;
        if (line.front() == '[' && line.back() == ']' && any)
            out += "\r\n";
        any = true;
        out += line + "\r\n";
    }
    return any ? out + "\r\n" : out;
}

// Equal bytes, or a failure that shows where they part.
inline ::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
    if (actual == expected)
        return ::testing::AssertionSuccess();
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    const std::size_t from = at > 40 ? at - 40 : 0;
    return ::testing::AssertionFailure() << "sizes " << actual.size() << " and " << expected.size()
                                         << ", first difference at " << at << ":\n  actual   ..."
                                         << ::testing::PrintToString(actual.substr(from, 100)) << "\n  expected ..."
                                         << ::testing::PrintToString(expected.substr(from, 100));
}

} // namespace saved_text
