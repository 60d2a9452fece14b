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
};

// The first template in order that describes the title wins. A template that does not
// parse matches nothing; `onTemplateError` gets its message number each time it is tried.
stInterpretation InterpretTitle(CTitleParser& parser, const std::string& title,
                                const std::vector<std::string>& templates,
                                const std::function<void(int messageId)>& onTemplateError);

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
