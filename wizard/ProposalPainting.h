#pragma once
// How step 3 offers a proposed template in the Paint title dialog: on which of the titles
// it reads, and with which marks.

#include <string>
#include <vector>

#include "paint/Markers.h"

class CTitleParser;

struct stProposalPainting {
    int title = -1;                 // position in the titles given; -1 when it reads none
    std::vector<stPaintMark> marks; // the template's values in that title
    // The marks build the template back. Not so where a value is empty (nothing to mark)
    // or a parameter has no marker.
    bool faithful = false;
};

// The most typical of the titles the template reads: its values' lengths nearest the
// mean ones of all those titles, the earlier on a tie (so of two titles, the first). A title whose marks build the
// template back is taken before any other.
stProposalPainting PaintProposal(CTitleParser& parser, const std::string& templateText,
                                 const std::vector<std::string>& titles);
