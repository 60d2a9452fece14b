#include "wizard/suggest/Subshapes.h"

#include <algorithm>
#include <optional>

#include "wizard/suggest/Words.h"

namespace suggest {

namespace {

struct Place {
    std::size_t part = 0;
    std::size_t slot = 0;
};

// The opening of a title that comes and goes, as a template writes it: a count or the
// scrolled part is no tag.
std::string Opening(std::string_view title)
{
    const std::size_t length = AroundLengths(title).opening;
    if (length == 0)
        return {};
    const std::string_view opening = title.substr(0, length);
    if (opening.ends_with(" *** "))
        return "<Unused> *** ";
    return AllDigits(opening.substr(1, length - 3)) ? "(<Unused>) " : std::string(opening);
}

// The disc that ends an album before its track now and then ("[Speakerboxxx CD2 #09]"
// among albums of one disc), as foobar2000's default title writes it.
std::string_view DiscLabel(std::string_view album)
{
    for (std::string_view label : kDiscLabels) {
        const std::size_t at = album.rfind(label);
        if (at != std::string_view::npos && at > 0 && at + label.size() < album.size() &&
            AllDigits(album.substr(at + label.size())))
            return label;
    }
    return {};
}

// A member's own structure: whether its Artist is a number, its album's disc, and each
// value's extension.
struct Shape {
    bool number = false;
    std::string_view disc;
    std::vector<std::string_view> extensions; // per place

    auto operator<=>(const Shape&) const = default;
};

} // namespace

std::vector<std::string> FamilyTemplates(const Family& members, const FamilyPlan& plan)
{
    // The values that may end with an extension, and the Artist that leads the title.
    std::vector<Place> places;
    std::optional<Place> artist, album;
    for (std::size_t j = 0; j < plan.parts.size(); ++j) {
        for (std::size_t k = 0; k < plan.parts[j].slots.size(); ++k) {
            const Slot& slot = plan.parts[j].slots[k];
            if (slot.name == "Album" && slot.after.empty() && k < plan.parts[j].joints.size() &&
                plan.parts[j].joints[k].find('#') != std::string::npos)
                album = Place{j, k};
            if (slot.name == "Title" || slot.name == "Artist" || slot.name == "Unused")
                places.push_back({j, k});
            if (slot.name == "Artist" && plan.parts[j].slots.size() == 1 && !artist &&
                std::all_of(plan.parts.begin(), plan.parts.begin() + static_cast<std::ptrdiff_t>(j),
                            [](const PartPlan& p) { return p.Constant() && p.slots[0].constant.empty(); }))
                artist = Place{j, k};
        }
    }
    // Shapes in order of first appearance.
    std::vector<Shape> shapes;
    for (std::size_t m = 0; m < members.size(); ++m) {
        Shape shape;
        const auto value = [&](const Place& p) { return plan.parts[p.part].slots[p.slot].values[m]; };
        shape.number = artist && AllDigits(value(*artist));
        shape.disc = album ? DiscLabel(value(*album)) : std::string_view();
        for (const Place& p : places)
            shape.extensions.push_back(FileExtension(value(p)));
        if (std::find(shapes.begin(), shapes.end(), shape) == shapes.end())
            shapes.push_back(std::move(shape));
    }
    std::vector<std::string> templates;
    for (const Shape& shape : shapes) {
        FamilyPlan specific = plan;
        if (shape.number)
            specific.parts[artist->part].slots[artist->slot].name = "Track";
        if (!shape.disc.empty())
            specific.parts[album->part].slots[album->slot].after = std::string(shape.disc) + "<Unused>";
        for (std::size_t i = 0; i < places.size(); ++i) {
            Slot& slot = specific.parts[places[i].part].slots[places[i].slot];
            slot.after.insert(0, shape.extensions[i]);
        }
        std::string text = Render(specific);
        if (!text.empty())
            templates.push_back(std::move(text));
    }
    return templates;
}

std::vector<std::string> OpeningTemplates(const std::vector<stTemplateSuggestion>& proposals,
                                          const std::vector<std::string>& titles)
{
    std::vector<std::string> templates;
    for (const stTemplateSuggestion& proposal : proposals) {
        for (int t : proposal.titles) {
            const std::string_view title = titles[static_cast<std::size_t>(t)];
            const std::string_view closing = title.substr(title.size() - AroundLengths(title).closing);
            const std::string text = Opening(title) + proposal.templateText + std::string(closing);
            if (text != proposal.templateText && std::find(templates.begin(), templates.end(), text) == templates.end())
                templates.push_back(text);
        }
    }
    return templates;
}

} // namespace suggest
