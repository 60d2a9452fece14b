#pragma once
// Which stretches of a captured title carry which marker, and the template they make.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/AnsiText.h"

// Marker number of "Constant": it only removes other marks and never owns a range.
inline constexpr int kMarkerConstant = 0;

// Where the caption's characters begin. The caption's edit control counts characters and
// the marks count bytes; in a double-byte code page the two differ, and every position
// crosses between them here.
class CCaptionChars {
public:
    CCaptionChars(std::string_view text = {}, const stCodePage* codePage = nullptr);

    // Positions past the end count on as single bytes, so that a selection end past the
    // text stays past it. A byte inside a character gives that character.
    int ToByte(int charPos) const;
    int ToChar(int bytePos) const;
    // The first byte after the character that holds bytePos, and the first byte of the
    // character before it.
    int Next(int bytePos) const;
    int Previous(int bytePos) const;

private:
    int Count() const { return static_cast<int>(m_starts.size()) - 1; }
    std::vector<int> m_starts; // of every character, then the caption's length
};

// Half-open byte range of the caption; every stored range has end > start.
struct stParamRange {
    int start = 0;
    int end = 0;
};

// Everything marked with one marker.
struct stParamDesc {
    int marker = 0;                   // the marker's bitmap number; never kMarkerConstant
    int multiple = 0;                 // 1 when the marker may own several separate ranges
    std::string name;                 // the parameter name written into the template
    std::vector<stParamRange> ranges; // in no particular order, never empty
};

// One piece of a template under construction.
struct stForBuild {
    int start = 0;
    int end = 0;
    std::string text; // "<" + name + ">"
};

class CPaintCaption {
public:
    CPaintCaption() = default;
    CPaintCaption(const CPaintCaption&) = delete;
    CPaintCaption& operator=(const CPaintCaption&) = delete;
    virtual ~CPaintCaption() = default;

    // The dialog passes the ANSI code page; without one, a byte is a character.
    void SetCaption(const std::string& text, const stCodePage* codePage = nullptr)
    {
        m_strCaption = text;
        m_chars = CCaptionChars(text, codePage);
    }
    const std::string& GetCaption() const { return m_strCaption; }
    const CCaptionChars& GetChars() const { return m_chars; }

    // start and end are an edit control's selection, in bytes; a range that cuts a
    // character is widened to hold it whole. 0 when the marks were updated;
    // 1 empty caption; 2 start out of the caption; 3 end out of it (after the
    // correction); 4 empty range. On 1 to 4 nothing changes.
    int AddRange(int start, int end, int marker, const std::string& name, int multiple);

    // 0 with the template in out; 1 with out empty when nothing is marked.
    int BuildTemplate(std::string& out) const;

    int GetDescCount() const { return static_cast<int>(m_arrDescs.size()); }
    const stParamDesc& GetDesc(int index) const { return *m_arrDescs.at(index); }

private:
    // Reconciles desc's ranges with the new range; true when one of them was merged with it.
    // With a gap, ranges of other markers keep one character away from it.
    bool TrimRanges(stParamDesc& desc, const stParamRange& added, int marker, bool gap) const;

    std::string m_strCaption;
    CCaptionChars m_chars;
    std::vector<std::unique_ptr<stParamDesc>> m_arrDescs;
};
