#pragma once

#include <array>
#include <string>
#include <string_view>

// The names a template may use, in their fixed order.
inline constexpr std::array<std::string_view, 12> KnownParameterNames = {
    "Title", "Artist", "Album", "Year", "Genre", "Track",
    "Comment", "Composer", "Text", "URL", "Station", "Unused"};

// Names that may occur more than once in one template.
inline constexpr std::array<std::string_view, 1> RepeatableParameterNames = {"Unused"};

// Names that mark a varying part of the title that carries no tag.
inline constexpr std::array<std::string_view, 1> NotActualParameterNames = {"Unused"};

// Names are compared exactly: case-sensitive, no trimming.
bool IsKnownParameterName(std::string_view name);
// The name's index in KnownParameterNames, or -1.
int KnownParameterIndex(std::string_view name);
bool IsRepeatableParameterName(std::string_view name);
bool IsNotActualParameterName(std::string_view name);

// One named parameter: an occurrence in a template, or a value read from a title.
class CTpParameter {
public:
    CTpParameter() = default;
    CTpParameter(const CTpParameter&) = default;
    CTpParameter& operator=(const CTpParameter&) = default;
    virtual ~CTpParameter() = default;

    int m_nGroup = 0;        // same for all occurrences of one name, from 1
    std::string m_strName;   // the text between the brackets
    std::string m_strValue;  // filled by title interpretation
    int m_nPos = 0;          // index of the name's first character (or of the value in a title)
    int m_nLen = 0;          // length of the name (or of the value)
    int m_bKnown = 0;        // 1 when the name is one of KnownParameterNames
    int m_nCount = 0;        // how many elements of the template bear this name
};
