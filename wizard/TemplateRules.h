#pragma once
// What step 3 decides about its two lists: how a title reads by the templates in order,
// the order that puts the most specific template first, and the entries Next hands on.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "rules/FormatInfo.h"

class CTitleParser;

struct stInterpretation {
    bool recognised = false;
    std::string text; // "Name=[value]" for every parameter but Unused, blank-separated
    int reader = -1;  // the template that read the title, as its position in the list
};

// The first template in order that describes the title wins. A template that does not
// parse matches nothing; `onTemplateError` gets its message number each time it is tried.
stInterpretation InterpretTitle(CTitleParser& parser, const std::string& title,
                                const std::vector<std::string>& templates,
                                const std::function<void(int messageId)>& onTemplateError);

// Every title by the templates in order, and what that leaves each template: the page's
// three reading columns from one pass.
struct stReadings {
    std::vector<stInterpretation> titles; // one per title
    std::vector<int> counts;              // per template: how many titles it reads
    // Per template that reads no title: the template that reads the first title it would
    // read, -1 when it would read none.
    std::vector<int> hiddenBy;
};

// As InterpretTitle for every title. Templates after the reader are still tried, to learn
// what they hide behind it; errors are reported only from the templates a title reaches.
stReadings InterpretTitles(CTitleParser& parser, const std::vector<std::string>& titles,
                           const std::vector<std::string>& templates,
                           const std::function<void(int messageId)>& onTemplateError);

// Where a template finds each of its values in a title: its name and byte range, in
// template order. Empty when the template does not read the title.
struct stValueRange {
    std::string name;
    int start = 0;
    int end = 0;
};
std::vector<stValueRange> ValueRanges(CTitleParser& parser, const std::string& title, const std::string& templateText);

// The number of parameters a template names: its '<' characters.
int CountParameters(const std::string& templateText);

// The order, as positions in `templates`, that puts more parameters first, then longer
// texts; equal templates keep their order.
std::vector<int> MostSpecificFirst(const std::vector<std::string>& templates);

// One row of the templates list.
struct stTemplateRow {
    std::string text;
    std::string example;
};

// The entries for the rows in order: a stored entry with the same template text (the first
// such) is copied with its lines; any other row gets ";" and "; Example: <its example>".
std::vector<std::unique_ptr<CFormatInfo>> EntriesForTemplates(
    const std::vector<stTemplateRow>& rows, const std::vector<std::unique_ptr<CFormatInfo>>& stored);
