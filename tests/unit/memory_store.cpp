#include "memory_store.h"

#include <algorithm>
#include <sstream>

namespace {

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

} // namespace

MemoryStore::MemoryStore(const std::string& file) : m_exists(true)
{
    std::istringstream lines(file);
    std::string section;
    for (std::string line; std::getline(lines, line);) {
        line = Trimmed(line);
        if (line.size() > 1 && line.front() == '[' && line.back() == ']')
            section = line.substr(1, line.size() - 2);
        else if (line.find('=') != std::string::npos)
            m_keys.push_back({ section, Trimmed(line.substr(0, line.find('='))),
                               line.substr(line.find('=') + 1) });
    }
}

std::optional<std::string> MemoryStore::Read(const char* section, const char* key) const
{
    const auto found = std::find_if(m_keys.begin(), m_keys.end(), [&](const Key& k) {
        return k.section == section && k.key == key;
    });
    if (found == m_keys.end())
        return std::nullopt;
    const std::string value = Trimmed(found->value);
    if (value.size() > 1 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

bool MemoryStore::Write(const char* section, const char* key, const std::string& value)
{
    if (m_readOnly || m_failingKeys.count(key) != 0)
        return false;
    m_exists = true;
    const auto found = std::find_if(m_keys.begin(), m_keys.end(), [&](const Key& k) {
        return k.section == section && k.key == key;
    });
    if (found != m_keys.end())
        found->value = value;
    else
        m_keys.push_back({ section, key, value });
    return true;
}

std::string MemoryStore::Text() const
{
    std::string text;
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        if (i == 0 || m_keys[i].section != m_keys[i - 1].section)
            text += "[" + m_keys[i].section + "]\n";
        text += m_keys[i].key + "=" + m_keys[i].value + "\n";
    }
    return text;
}
