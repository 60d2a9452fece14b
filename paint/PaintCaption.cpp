#include "paint/PaintCaption.h"

#include <algorithm>
#include <optional>

CCaptionChars::CCaptionChars(std::string_view text, const stCodePage* codePage)
{
    const int length = static_cast<int>(text.size());
    m_starts.reserve(text.size() + 1);
    const auto width = [&](int i) {
        return codePage && codePage->IsLeadByte(static_cast<unsigned char>(text[static_cast<std::size_t>(i)])) ? 2 : 1;
    };
    for (int i = 0; i < length; i += width(i))
        m_starts.push_back(i);
    // A lead byte at the very end has no second byte: the character ends with the text.
    m_starts.push_back(length);
}

int CCaptionChars::ToByte(int charPos) const
{
    if (charPos < 0)
        return charPos;
    if (charPos > Count())
        return m_starts.back() + (charPos - Count());
    return m_starts[static_cast<std::size_t>(charPos)];
}

int CCaptionChars::ToChar(int bytePos) const
{
    if (bytePos < 0)
        return bytePos;
    if (bytePos >= m_starts.back())
        return Count() + (bytePos - m_starts.back());
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), bytePos);
    return static_cast<int>(after - m_starts.begin()) - 1;
}

int CCaptionChars::Next(int bytePos) const
{
    return ToByte(ToChar(bytePos) + 1);
}

int CCaptionChars::Previous(int bytePos) const
{
    return bytePos <= 0 ? bytePos - 1 : ToByte(ToChar(bytePos - 1));
}

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
    // Half a character would make a template that no title can match.
    start = m_chars.ToByte(m_chars.ToChar(start));
    if (m_chars.ToByte(m_chars.ToChar(end)) != end)
        end = m_chars.Next(end);

    const stParamRange added{start, end};
    // Parameters keep one constant character between them, as "><" is not a template.
    const bool gap = marker != kMarkerConstant;
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

bool CPaintCaption::TrimRanges(stParamDesc& desc, const stParamRange& added, int marker, bool gap) const
{
    const bool same = desc.marker == marker;
    const int after = gap ? m_chars.Next(added.end) : added.end;
    const int before = gap ? m_chars.Previous(added.start) : added.start;
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
                r.start = after;
            } else if (!merged) {
                r.start = added.start;
                merged = kept.size();
            } else {
                kept[*merged].end = r.end;
                continue;
            }
        } else if (r.start < added.start && inAdded(r.end)) {
            if (!same) {
                r.end = before;
            } else if (!merged) {
                r.end = added.end;
                merged = kept.size();
            } else {
                kept[*merged].start = r.start;
                continue;
            }
        } else if (r.start < added.start && added.end < r.end) {
            if (desc.multiple)
                splits.push_back({after, r.end});
            r.end = before;
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
