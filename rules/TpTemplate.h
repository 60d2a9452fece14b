#pragma once
// A parsed title template: constant text and named parameters in brackets, such as
// "<Artist> - <Title> - Winamp".

#include <string>
#include <string_view>
#include <vector>

#include "platform/ParseError.h"
#include "rules/TpParameter.h"

class CTpTemplate {
public:
    // One parameter occurrence and the constant text that follows it, up to the next
    // parameter or the end of the template.
    struct ParamListElem {
        CTpParameter m_param;
        std::string m_strFollowing;
    };

    CTpTemplate();
    CTpTemplate(const CTpTemplate&) = delete;
    CTpTemplate& operator=(const CTpTemplate&) = delete;
    virtual ~CTpTemplate() = default;

    // 0 on success; -1 with the error record filled. After a failure the template holds
    // no usable parse until a later Parse succeeds.
    int Parse(std::string_view text, char open = '<', char close = '>');

    // Only after a successful Parse. 0 when the parameters are acceptable, else -1.
    int CheckParameters();

    // The outcome of Parse and then CheckParameters, without keeping a parse: 0 with the
    // record untouched, or -1 with the code, start and length they would give put into it.
    static int Check(std::string_view text, char open, char close, stParseError& error);

    const std::string& GetText() const { return m_strText; }
    const std::string& GetPrefix() const { return m_strPrefix; }
    void GetErrorInfo(stParseError* out) const;

    bool HasParse() const { return m_bParsed; }
    int GetElementCount() const { return static_cast<int>(m_arrElements.size()); }
    const ParamListElem& GetElement(int index) const { return m_arrElements.at(index); }

    // The distinct parameters in order of first appearance, with group numbers, known
    // flags and occurrence counts set (the group numbers are also left in the elements).
    std::vector<CTpParameter> CollectParameters();
    // The group numbers of CollectParameters alone, without building the list.
    void AssignGroups();

    // Two templates are equal when their texts are identical byte for byte.
    static bool AreEqual(const std::string& a, const std::string& b) { return a == b; }

private:
    void SetElement(std::size_t index, int open, int close);
    void SetFollowing(std::size_t index, int end);
    void Fail(int code, int start, int length);

    std::string m_strText;
    std::string m_strPrefix;
    char m_chOpen = '<';
    char m_chClose = '>';
    // Reused from parse to parse, so that the strings keep their storage.
    std::vector<ParamListElem> m_arrElements;
    stParseError m_error;
    bool m_bParsed = false;
};
