#include "rules/FormatInfo.h"

std::string CFormatInfo::GetExample() const
{
    static const std::string kKey = "Example:";
    for (const std::string& line : m_arrLines) {
        const std::size_t pos = line.find(kKey);
        if (pos == std::string::npos)
            continue;
        // The key and the one blank after it.
        const std::size_t from = pos + kKey.size() + 1;
        return from < line.size() ? line.substr(from) : std::string();
    }
    return {};
}

std::string CFormatInfo::GetLinesText(const std::string& separator) const
{
    std::string text;
    for (const std::string& line : m_arrLines)
        text += line + separator;
    return text;
}
