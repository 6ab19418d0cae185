// IniDocument: the text of an INI file in memory, read and changed as the
// system's profile functions read and change the file, free of any
// platform API. Every line it is not asked to change stays as it was,
// comments, blank lines and line ends included.
#pragma once

#include "settings/store.h"

#include <string>
#include <vector>

namespace settings {

class IniDocument : public Store {
public:
    IniDocument() = default;
    // The whole text, UTF-8, lines ending in CR LF or LF.
    explicit IniDocument(const std::string& text);
    std::string Text() const;

    // Sections and keys are matched without regard to ASCII letter case;
    // the first section of a name and its first key of a name count.
    std::optional<std::string> Read(const char* section, const char* key) const override;
    // Replaces the value of the key where it stands; else appends the key
    // after the last line of its section, or the section at the end.
    void Write(const char* section, const char* key, const std::string& value) override;
    // Every line of the key in the section goes.
    void Remove(const char* section, const char* key) override;

private:
    struct Line {
        std::string text, end;
    };
    // The lines of a section after its header, [first, last).
    struct Span {
        std::size_t header, first, last;
    };
    std::optional<Span> FindSection(const char* section) const;
    std::optional<std::size_t> FindKey(const char* section, const char* key) const;

    std::string NewLineEnd() const;

    std::vector<Line> m_lines;
    // The end of the file's first line that has one.
    std::string m_newLineEnd;
};

} // namespace settings
