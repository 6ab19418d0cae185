#include "memory_store.h"

#include <algorithm>

namespace {

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

MemoryStore::MemoryStore(const std::string& file) : m_exists(true)
{
    for (std::string::size_type start = 0, end = 0; start < file.size(); start = end + 1) {
        end = std::min(file.find('\n', start), file.size());
        std::string line = file.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string trimmed = Trimmed(line);
        if (trimmed.size() > 1 && trimmed.front() == '[' && trimmed.back() == ']')
            m_sections.push_back({ trimmed.substr(1, trimmed.size() - 2), {} });
        else
            m_sections.back().second.push_back(line);
    }
}

std::string* MemoryStore::Find(const char* section, const char* key)
{
    for (auto& [name, lines] : m_sections) {
        for (std::string& line : lines) {
            if (name == section && line.find('=') != std::string::npos &&
                Trimmed(line.substr(0, line.find('='))) == key)
                return &line;
        }
    }
    return nullptr;
}

std::optional<std::string> MemoryStore::Read(const char* section, const char* key) const
{
    const std::string* line = const_cast<MemoryStore*>(this)->Find(section, key);
    if (line == nullptr)
        return std::nullopt;
    const std::string value = Trimmed(line->substr(line->find('=') + 1));
    if (value.size() > 1 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

bool MemoryStore::Write(const char* section, const char* key, const std::string& value)
{
    if (m_failingKeys.count(key) != 0)
        return false;
    m_exists = true;
    if (std::string* line = Find(section, key)) {
        *line = std::string(key) + "=" + value;
        return true;
    }
    auto found = std::find_if(m_sections.begin(), m_sections.end(),
                              [&](const auto& s) { return s.first == section; });
    if (found == m_sections.end())
        found = m_sections.insert(m_sections.end(), { section, {} });
    found->second.push_back(std::string(key) + "=" + value);
    return true;
}

std::string MemoryStore::File() const
{
    std::string file;
    for (const auto& [name, lines] : m_sections) {
        file += name.empty() ? "" : "[" + name + "]\n";
        for (const std::string& line : lines)
            file += line + "\n";
    }
    return file;
}
