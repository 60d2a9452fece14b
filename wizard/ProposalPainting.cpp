#include "wizard/ProposalPainting.h"

#include <cstdlib>

#include "paint/PaintCaption.h"
#include "platform/AnsiText.h"
#include "wizard/TemplateRules.h"

namespace {

struct Candidate {
    int title;
    std::vector<stValueRange> values;
};

std::vector<stPaintMark> MarksOf(const std::vector<stValueRange>& values)
{
    std::vector<stPaintMark> marks;
    for (const stValueRange& value : values)
        if (const stMarker* marker = MarkerOfName(value.name); marker && value.end > value.start)
            marks.push_back({value.start, value.end, MarkerNumber(*marker)});
    return marks;
}

bool BuildsBack(const std::string& title, const std::vector<stPaintMark>& marks, const std::string& templateText)
{
    CPaintCaption caption;
    caption.SetCaption(title, IsAnsiLeadByte);
    ApplyMarks(caption, marks);
    std::string built;
    return caption.BuildTemplate(built) == 0 && built == templateText;
}

int Length(const stValueRange& value)
{
    return value.end - value.start;
}

// The candidates share the template, so their values line up one for one. Distances to
// the mean lengths are taken times the number of candidates, to stay in whole numbers.
std::vector<int> LengthTotals(const std::vector<Candidate>& candidates)
{
    std::vector<int> totals(candidates.front().values.size(), 0);
    for (const Candidate& c : candidates)
        for (std::size_t k = 0; k < totals.size(); ++k)
            totals[k] += Length(c.values[k]);
    return totals;
}

int Distance(const Candidate& c, const std::vector<int>& totals, int count)
{
    int distance = 0;
    for (std::size_t k = 0; k < totals.size(); ++k)
        distance += std::abs(count * Length(c.values[k]) - totals[k]);
    return distance;
}

} // namespace

stProposalPainting PaintProposal(CTitleParser& parser, const std::string& templateText,
                                 const std::vector<std::string>& titles)
{
    std::vector<Candidate> candidates;
    for (int t = 0; t < static_cast<int>(titles.size()); ++t) {
        std::vector<stValueRange> values = ValueRanges(parser, titles[static_cast<std::size_t>(t)], templateText);
        if (!values.empty())
            candidates.push_back({t, std::move(values)});
    }
    stProposalPainting best;
    if (candidates.empty())
        return best;
    const std::vector<int> totals = LengthTotals(candidates);
    const int count = static_cast<int>(candidates.size());
    int bestDistance = 0;
    for (const Candidate& c : candidates) {
        std::vector<stPaintMark> marks = MarksOf(c.values);
        const bool faithful = BuildsBack(titles[static_cast<std::size_t>(c.title)], marks, templateText);
        const int distance = Distance(c, totals, count);
        const bool better = best.title == -1 || (faithful && !best.faithful) ||
                            (faithful == best.faithful && distance < bestDistance);
        if (better) {
            best = {c.title, std::move(marks), faithful};
            bestDistance = distance;
        }
    }
    return best;
}
