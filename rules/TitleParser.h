#pragma once
// Reads one window title by one template: does the template describe the title, and
// which part of the title is which parameter.

#include <string>
#include <vector>

#include "platform/ParseError.h"
#include "rules/TpParameter.h"
#include "rules/TpTemplate.h"

class CTitleParser {
public:
    CTitleParser();
    CTitleParser(const CTitleParser&) = delete;
    CTitleParser& operator=(const CTitleParser&) = delete;
    virtual ~CTitleParser() = default;

    void SetTitle(const std::string& title) { m_strTitle = title; }

    // 0 or -1 as the template's parse; on -1 the error record is the template's.
    int SetTemplate(const std::string& text);

    // 0 when the held template describes the title, results filled; -1 otherwise,
    // including when the last SetTemplate failed or none was made.
    int Interpret();

    // One entry per template element, in template order: name, group number, the
    // matched value and its byte range in the title. Meaningful only after Interpret
    // returned 0.
    const std::vector<CTpParameter>& GetResults() const { return m_arrResults; }
    int GetResultCount() const { return static_cast<int>(m_arrResults.size()); }
    const CTpParameter& GetResult(int index) const { return m_arrResults.at(index); }

    void GetErrorInfo(stParseError* out) const;

private:
    std::string m_strTitle;
    CTpTemplate m_template;
    std::vector<CTpParameter> m_arrResults;
    stParseError m_error;
};
