#include "rules/TitleParser.h"

#include <string_view>

CTitleParser::CTitleParser()
{
    ParseError_Clear(m_error);
}

void CTitleParser::GetErrorInfo(stParseError* out) const
{
    if (out)
        *out = m_error;
}

int CTitleParser::SetTemplate(const std::string& text)
{
    if (m_template.Parse(text, '<', '>') != 0) {
        m_template.GetErrorInfo(&m_error);
        return -1;
    }
    // Parse alone leaves every group number 0; the results should carry real ones.
    m_template.CollectParameters();
    return 0;
}

int CTitleParser::Interpret()
{
    m_error.code = 0;
    if (!m_template.HasParse() || m_template.GetElementCount() == 0)
        return -1;

    const std::string_view title = m_strTitle;
    const std::string prefix = m_template.GetPrefix();
    if (!title.starts_with(prefix))
        return -1;

    std::size_t pos = prefix.size();
    m_arrResults.clear();
    const int count = m_template.GetElementCount();
    for (int i = 0; i < count; ++i) {
        const CTpTemplate::ParamListElem& element = m_template.GetElement(i);
        std::size_t valueEnd = title.size();
        std::size_t next = title.size();
        if (!element.m_strFollowing.empty()) {
            // Leftmost occurrence only: no other split is tried when a later step fails.
            valueEnd = title.find(element.m_strFollowing, pos);
            if (valueEnd == std::string_view::npos)
                return -1;
            next = valueEnd + element.m_strFollowing.size();
        }
        CTpParameter entry;
        entry.m_strName = element.m_param.m_strName;
        entry.m_nGroup = element.m_param.m_nGroup;
        entry.m_bKnown = IsKnownParameterName(entry.m_strName) ? 1 : 0;
        entry.m_strValue = std::string(title.substr(pos, valueEnd - pos));
        entry.m_nPos = static_cast<int>(pos);
        entry.m_nLen = static_cast<int>(valueEnd - pos);
        m_arrResults.push_back(std::move(entry));
        pos = next;
    }

    // The last value already ended at the first occurrence of the final constant text;
    // whatever lies between it and the title's end copy belongs to no value.
    const std::string& last = m_template.GetElement(count - 1).m_strFollowing;
    return title.ends_with(last) ? 0 : -1;
}
