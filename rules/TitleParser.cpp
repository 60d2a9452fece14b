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
    if (const auto found = m_parsed.find(text); found != m_parsed.end()) {
        m_template = found->second.get();
        return 0;
    }
    m_template = nullptr;
    auto parsed = std::make_unique<CTpTemplate>();
    if (parsed->Parse(text, '<', '>') != 0) {
        parsed->GetErrorInfo(&m_error);
        return -1;
    }
    // Parse alone leaves every group number 0; the results should carry real ones.
    parsed->AssignGroups();
    if (m_parsed.size() >= kMaxParsedTemplates)
        m_parsed.clear();
    m_template = m_parsed.emplace(text, std::move(parsed)).first->second.get();
    return 0;
}

int CTitleParser::Interpret()
{
    m_error.code = 0;
    if (!m_template || m_template->GetElementCount() == 0)
        return -1;
    const CTpTemplate& tpl = *m_template;

    const std::string_view title = m_strTitle;
    const std::string& prefix = tpl.GetPrefix();
    if (!title.starts_with(prefix))
        return -1;

    // The value ranges are found first; most titles do not fit, and they build no results.
    std::size_t pos = prefix.size();
    const int count = tpl.GetElementCount();
    m_spans.clear();
    for (int i = 0; i < count; ++i) {
        const std::string& following = tpl.GetElement(i).m_strFollowing;
        std::size_t valueEnd = title.size();
        std::size_t next = title.size();
        if (!following.empty()) {
            // Leftmost occurrence only: no other split is tried when a later step fails.
            valueEnd = title.find(following, pos);
            if (valueEnd == std::string_view::npos)
                return -1;
            next = valueEnd + following.size();
        }
        m_spans.emplace_back(pos, valueEnd - pos);
        pos = next;
    }

    // The last value already ended at the first occurrence of the final constant text;
    // whatever lies between it and the title's end copy belongs to no value.
    if (!title.ends_with(tpl.GetElement(count - 1).m_strFollowing))
        return -1;

    m_arrResults.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const CTpParameter& param = tpl.GetElement(i).m_param;
        const auto [start, length] = m_spans[static_cast<std::size_t>(i)];
        CTpParameter& entry = m_arrResults[static_cast<std::size_t>(i)];
        entry.m_strName = param.m_strName;
        entry.m_nGroup = param.m_nGroup;
        entry.m_bKnown = IsKnownParameterName(entry.m_strName) ? 1 : 0;
        entry.m_strValue.assign(title.substr(start, length));
        entry.m_nPos = static_cast<int>(start);
        entry.m_nLen = static_cast<int>(length);
        entry.m_nCount = 0;
    }
    return 0;
}
