#pragma once
// The Paint title dialog's markers as the marking model sees them, and marks made without
// the dialog: the ones a proposal opens with.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "paint/PaintCaption.h"

// One marker button: what it passes to the marking model and where its swatch is.
struct stMarker {
    int button;
    const char* name;
    int bitmap;   // the colour bitmap; also the marker number, except Constant's, which is 0
    int multiple;
    int swatch;
};

// The thirteen markers, the four basic ones first.
std::span<const stMarker> PaintMarkers();

// The number the marking model knows a marker by.
int MarkerNumber(const stMarker& marker);

// The marker of a parameter name as templates write it; null for a name no marker gives.
const stMarker* MarkerOfName(std::string_view name);

// A byte range of the title to mark, as if by the marker's button.
struct stPaintMark {
    int start;
    int end;
    int marker; // a marker number, kMarkerConstant for Constant
};

// Marks the caption in order, as the buttons would; marks of unknown markers are passed over.
void ApplyMarks(CPaintCaption& caption, const std::vector<stPaintMark>& marks);
