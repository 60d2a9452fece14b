#pragma once
// One template of a player with the lines that stand in front of it in the rules file.

#include <string>
#include <vector>

class CFormatInfo {
public:
    CFormatInfo() = default;
    CFormatInfo(const CFormatInfo&) = default;
    CFormatInfo& operator=(const CFormatInfo&) = default;

    // The title from the first own line that names one ("; Example: <title>"), else empty.
    std::string GetExample() const;
    // The own lines in order, each followed by the separator.
    std::string GetLinesText(const std::string& separator) const;

    std::vector<std::string> m_arrLines;
    std::string m_strFormat;
};
