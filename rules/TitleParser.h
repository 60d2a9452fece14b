#pragma once
// Reads one window title by one template: does the template describe the title, and
// which part of the title is which parameter.

#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
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
    // Callers feed the same few templates again for every title; each text is parsed once
    // per parser. Bounded, so that a long-lived parser does not grow without end.
    static constexpr std::size_t kMaxParsedTemplates = 256;

    std::string m_strTitle;
    std::unordered_map<std::string, std::unique_ptr<CTpTemplate>> m_parsed;
    const CTpTemplate* m_template = nullptr; // null unless the last SetTemplate succeeded
    std::vector<std::pair<std::size_t, std::size_t>> m_spans; // scratch of Interpret
    std::vector<CTpParameter> m_arrResults;
    stParseError m_error;
};
