#include "wizard/TemplateSuggest.h"

#include "platform/AnsiCodePage.h"

std::vector<stTemplateSuggestion> SuggestTemplates(const std::vector<std::string>& titles)
{
    return SuggestTemplatesInCodePage(titles, IsAnsiLeadByte);
}

std::vector<stTemplateSuggestion> SuggestTemplatesInCodePage(const std::vector<std::string>& titles,
                                                             LeadBytePredicate isLeadByte)
{
    return {};
}
