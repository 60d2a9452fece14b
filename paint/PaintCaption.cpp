#include "paint/PaintCaption.h"

#include <algorithm>
#include <optional>

int CPaintCaption::AddRange(int start, int end, int marker, const std::string& name, int multiple)
{
    const int length = static_cast<int>(m_strCaption.size());
    if (length == 0)
        return 1;
    if (start < 0 || start > length)
        return 2;
    // The caption's edit control can report a selection end past the text by its line end.
    if (end > length)
        end -= 2;
    if (end < 0 || end > length)
        return 3;
    if (start >= end)
        return 4;

    const stParamRange added{start, end};
    // Parameters keep one constant character between them, as "><" is not a template.
    const int gap = marker != kMarkerConstant ? 1 : 0;
    bool found = false;
    for (auto it = m_arrDescs.begin(); it != m_arrDescs.end();) {
        stParamDesc& desc = **it;
        const bool merged = TrimRanges(desc, added, marker, gap);
        if (desc.marker == marker) {
            found = true;
            if (!merged) {
                if (!desc.multiple)
                    desc.ranges.clear();
                desc.ranges.push_back(added);
            }
        }
        if (desc.ranges.empty())
            it = m_arrDescs.erase(it);
        else
            ++it;
    }
    if (!found && marker != kMarkerConstant) {
        auto desc = std::make_unique<stParamDesc>();
        desc->marker = marker;
        desc->multiple = multiple;
        desc->name = name;
        desc->ranges.push_back(added);
        m_arrDescs.push_back(std::move(desc));
    }
    return 0;
}

bool CPaintCaption::TrimRanges(stParamDesc& desc, const stParamRange& added, int marker, int gap)
{
    const bool same = desc.marker == marker;
    // Both ends included: a range that only touches the new one meets it.
    const auto inAdded = [&](int x) { return added.start <= x && x <= added.end; };

    std::vector<stParamRange> kept;
    std::vector<stParamRange> splits;
    std::optional<std::size_t> merged;
    for (stParamRange r : desc.ranges) {
        if (added.start <= r.start && r.end <= added.end)
            continue;
        if (inAdded(r.start) && r.end > added.end) {
            if (!same) {
                r.start = added.end + gap;
            } else if (!merged) {
                r.start = added.start;
                merged = kept.size();
            } else {
                kept[*merged].end = r.end;
                continue;
            }
        } else if (r.start < added.start && inAdded(r.end)) {
            if (!same) {
                r.end = added.start - gap;
            } else if (!merged) {
                r.end = added.end;
                merged = kept.size();
            } else {
                kept[*merged].start = r.start;
                continue;
            }
        } else if (r.start < added.start && added.end < r.end) {
            if (desc.multiple)
                splits.push_back({added.end + gap, r.end});
            r.end = added.start - gap;
        }
        kept.push_back(r);
    }
    kept.insert(kept.end(), splits.begin(), splits.end());
    std::erase_if(kept, [](const stParamRange& r) { return r.end <= r.start; });
    desc.ranges = std::move(kept);
    return merged.has_value();
}

int CPaintCaption::BuildTemplate(std::string& out) const
{
    out.clear();
    if (m_arrDescs.empty())
        return 1;

    std::vector<stForBuild> pieces;
    for (const auto& desc : m_arrDescs)
        for (const stParamRange& r : desc->ranges)
            pieces.push_back({r.start, r.end, "<" + desc->name + ">"});
    std::sort(pieces.begin(), pieces.end(),
              [](const stForBuild& a, const stForBuild& b) { return a.start < b.start; });

    // Clamped so that a caption replaced after marking cannot take the copy out of bounds.
    const std::size_t length = m_strCaption.size();
    const auto constant = [&](std::size_t from, std::size_t to) {
        from = std::min(from, length);
        to = std::min(to, length);
        if (from < to)
            out.append(m_strCaption, from, to - from);
    };
    std::size_t c = 0;
    for (const stForBuild& piece : pieces) {
        constant(c, static_cast<std::size_t>(piece.start));
        out += piece.text;
        c = std::max(c, static_cast<std::size_t>(piece.end));
    }
    constant(c, length);
    return 0;
}
