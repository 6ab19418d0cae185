#include "settings/ini_document.h"

namespace settings {
namespace {

constexpr char kBlanks[] = " \t";

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameName(const std::string& a, const char* b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return i == a.size() && b[i] == '\0';
}

// The name of a section header line, "[name]", or nothing for another line.
std::optional<std::string> SectionName(const std::string& line)
{
    const std::string trimmed = Trimmed(line);
    const auto close = trimmed.rfind(']');
    if (trimmed.empty() || trimmed[0] != '[' || close == std::string::npos)
        return std::nullopt;
    return trimmed.substr(1, close - 1);
}

} // namespace

IniDocument::IniDocument(const std::string& text)
{
    for (std::size_t start = 0; start < text.size();) {
        const auto feed = text.find('\n', start);
        const std::size_t end = feed == std::string::npos ? text.size() : feed;
        const bool cr = end > start && text[end - 1] == '\r' && feed != std::string::npos;
        m_lines.push_back({ text.substr(start, end - start - cr), feed == std::string::npos ? ""
                                                                  : cr                      ? "\r\n"
                                                                       : "\n" });
        if (m_newLineEnd.empty())
            m_newLineEnd = m_lines.back().end;
        start = feed == std::string::npos ? text.size() : feed + 1;
    }
}

std::string IniDocument::NewLineEnd() const
{
    // The file's own, or what the profile functions end the lines they add
    // with.
    return m_newLineEnd.empty() ? "\r\n" : m_newLineEnd;
}

std::string IniDocument::Text() const
{
    std::string text;
    for (const Line& line : m_lines)
        text += line.text + line.end;
    return text;
}

std::optional<IniDocument::Span> IniDocument::FindSection(const char* section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const std::optional<std::string> name = SectionName(m_lines[i].text);
        if (!name || !SameName(*name, section))
            continue;
        std::size_t last = i + 1;
        while (last < m_lines.size() && !SectionName(m_lines[last].text))
            ++last;
        return Span{ i, i + 1, last };
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(const char* section, const char* key) const
{
    const std::optional<Span> span = FindSection(section);
    for (std::size_t i = span ? span->first : 0; span && i < span->last; ++i) {
        const auto equals = m_lines[i].text.find('=');
        if (equals != std::string::npos &&
            SameName(Trimmed(m_lines[i].text.substr(0, equals)), key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Read(const char* section, const char* key) const
{
    const std::optional<std::size_t> at = FindKey(section, key);
    if (!at)
        return std::nullopt;
    const std::string& line = m_lines[*at].text;
    const std::string value = Trimmed(line.substr(line.find('=') + 1));
    // One pair of enclosing quotes, double or single, is no part of it.
    if (value.size() > 1 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        return value.substr(1, value.size() - 2);
    return value;
}

void IniDocument::Write(const char* section, const char* key, const std::string& value)
{
    const std::string text = std::string(key) + "=" + value;
    if (const std::optional<std::size_t> at = FindKey(section, key)) {
        m_lines[*at].text = text;
        return;
    }
    std::size_t at = m_lines.size();
    std::vector<Line> added;
    if (const std::optional<Span> span = FindSection(section)) {
        // After the section's last line that is not blank: the blank lines
        // that part it from the next section stay between them.
        at = span->last;
        while (at > span->first && Trimmed(m_lines[at - 1].text).empty())
            --at;
    } else {
        added.push_back({ "[" + std::string(section) + "]", NewLineEnd() });
    }
    added.push_back({ text, NewLineEnd() });
    if (at > 0 && m_lines[at - 1].end.empty())
        m_lines[at - 1].end = NewLineEnd();
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
}

void IniDocument::Remove(const char* section, const char* key)
{
    // Every line of the key: a second one, hidden behind the first, would
    // come to light as soon as the first was gone.
    while (const std::optional<std::size_t> at = FindKey(section, key))
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(*at));
}

} // namespace settings
