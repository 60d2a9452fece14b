#pragma once
// Which stretches of a captured title carry which marker, and the template they make.

#include <memory>
#include <string>
#include <vector>

// Marker number of "Constant": it only removes other marks and never owns a range.
inline constexpr int kMarkerConstant = 0;

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

    void SetCaption(const std::string& text) { m_strCaption = text; }
    const std::string& GetCaption() const { return m_strCaption; }

    // start and end are an edit control's selection. 0 when the marks were updated;
    // 1 empty caption; 2 start out of the caption; 3 end out of it (after the
    // correction); 4 empty range. On 1 to 4 nothing changes.
    int AddRange(int start, int end, int marker, const std::string& name, int multiple);

    // 0 with the template in out; 1 with out empty when nothing is marked.
    int BuildTemplate(std::string& out) const;

    int GetDescCount() const { return static_cast<int>(m_arrDescs.size()); }
    const stParamDesc& GetDesc(int index) const { return *m_arrDescs.at(index); }

private:
    // Reconciles desc's ranges with the new range; true when one of them was merged with it.
    static bool TrimRanges(stParamDesc& desc, const stParamRange& added, int marker, int gap);

    std::string m_strCaption;
    std::vector<std::unique_ptr<stParamDesc>> m_arrDescs;
};
