#include "paint/Markers.h"

#include "res/resource.h"

namespace {

constexpr stMarker kMarkers[] = {
    {IDC_MARKER_UNUSED, "Unused", IDB_MARKER_UNUSED, 1, IDC_SWATCH_UNUSED},
    {IDC_MARKER_CONSTANT, "", IDB_MARKER_CONSTANT, 0, IDC_SWATCH_CONSTANT},
    {IDC_MARKER_TITLE, "Title", IDB_MARKER_TITLE, 0, IDC_SWATCH_TITLE},
    {IDC_MARKER_ARTIST, "Artist", IDB_MARKER_ARTIST, 0, IDC_SWATCH_ARTIST},
    {IDC_MARKER_ALBUM, "Album", IDB_MARKER_ALBUM, 0, IDC_SWATCH_ALBUM},
    {IDC_MARKER_YEAR, "Year", IDB_MARKER_YEAR, 0, IDC_SWATCH_YEAR},
    {IDC_MARKER_GENRE, "Genre", IDB_MARKER_GENRE, 0, IDC_SWATCH_GENRE},
    {IDC_MARKER_TRACK, "Track", IDB_MARKER_TRACK, 0, IDC_SWATCH_TRACK},
    {IDC_MARKER_COMMENT, "Comment", IDB_MARKER_COMMENT, 0, IDC_SWATCH_COMMENT},
    {IDC_MARKER_COMPOSER, "Composer", IDB_MARKER_COMPOSER, 0, IDC_SWATCH_COMPOSER},
    {IDC_MARKER_TEXT, "Text", IDB_MARKER_TEXT, 0, IDC_SWATCH_TEXT},
    {IDC_MARKER_URL, "URL", IDB_MARKER_URL, 0, IDC_SWATCH_URL},
    {IDC_MARKER_STATION, "Station", IDB_MARKER_STATION, 0, IDC_SWATCH_STATION},
};

} // namespace

std::span<const stMarker> PaintMarkers()
{
    return kMarkers;
}

int MarkerNumber(const stMarker& marker)
{
    return marker.bitmap == IDB_MARKER_CONSTANT ? kMarkerConstant : marker.bitmap;
}

const stMarker* MarkerOfName(std::string_view name)
{
    if (name.empty())
        return nullptr; // Constant's empty name marks nothing
    for (const stMarker& marker : kMarkers)
        if (name == marker.name)
            return &marker;
    return nullptr;
}

void ApplyMarks(CPaintCaption& caption, const std::vector<stPaintMark>& marks)
{
    for (const stPaintMark& mark : marks)
        for (const stMarker& marker : kMarkers)
            if (MarkerNumber(marker) == mark.marker)
                caption.AddRange(mark.start, mark.end, mark.marker, marker.name, marker.multiple);
}
