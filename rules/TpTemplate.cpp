#include "rules/TpTemplate.h"

#include "res/resource.h"

CTpTemplate::CTpTemplate()
{
    ParseError_Clear(m_error);
}

void CTpTemplate::Fail(int code, int start, int length)
{
    m_error.code = code;
    m_error.start = start;
    m_error.length = length;
}

void CTpTemplate::GetErrorInfo(stParseError* out) const
{
    if (out)
        *out = m_error;
}

int CTpTemplate::Parse(const std::string& text, char open, char close)
{
    m_error.code = m_error.start = m_error.length = 0;
    m_bParsed = false;
    if (text.empty()) {
        Fail(IDS_TEMPLATE_NOT_DEFINED, 0, 0);
        return -1;
    }
    m_strText = text;
    m_chOpen = open;
    m_chClose = close;
    if (CheckBrackets() != 0) {
        m_strText.clear();
        m_strPrefix.clear();
        m_arrElements.clear();
        return -1;
    }
    m_arrElements.clear();
    BuildElements();
    m_bParsed = true;
    return 0;
}

// One pass over the text; the tests run at every character, so the fault reported is
// the first one in text order. -2 is never adjacent to a real position.
int CTpTemplate::CheckBrackets()
{
    int opens = 0, closes = 0;
    int lastOpen = -2, lastClose = -2;
    const int n = static_cast<int>(m_strText.size());
    for (int k = 0; k < n; ++k) {
        if (m_strText[k] == m_chOpen) {
            ++opens;
            lastOpen = k;
        } else if (m_strText[k] == m_chClose) {
            ++closes;
            lastClose = k;
        }
        if (closes > opens) {
            Fail(IDS_TOO_MANY_RIGHT_BRACKETS, k, 1);
            return -1;
        }
        if (opens - closes > 1) {
            Fail(IDS_NESTED_BRACKETS, k, 1);
            return -1;
        }
        if (lastClose == lastOpen + 1) {
            Fail(IDS_EMPTY_PARAMETER, lastOpen, 2);
            return -1;
        }
        if (lastOpen == lastClose + 1) {
            Fail(IDS_MISSING_STRING_BETWEEN_BRACKETS, lastClose, 2);
            return -1;
        }
    }
    if (opens == 0) {
        Fail(IDS_PARAMETERS_NOT_DEFINED, 0, 0);
        return -1;
    }
    if (opens > closes) {
        Fail(IDS_UNBALANCED_BRACKETS, lastOpen, 1);
        return -1;
    }
    return 0;
}

// Runs only on text whose brackets are sound: they alternate, starting with an opening one.
void CTpTemplate::BuildElements()
{
    std::size_t open = m_strText.find(m_chOpen);
    m_strPrefix = m_strText.substr(0, open);
    while (open != std::string::npos) {
        std::size_t close = m_strText.find(m_chClose, open + 1);
        std::size_t next = m_strText.find(m_chOpen, close + 1);
        auto element = std::make_unique<ParamListElem>();
        element->m_param.m_strName = m_strText.substr(open + 1, close - open - 1);
        element->m_param.m_nPos = static_cast<int>(open + 1);
        element->m_param.m_nLen = static_cast<int>(close - open - 1);
        element->m_strFollowing =
            m_strText.substr(close + 1, next == std::string::npos ? std::string::npos : next - close - 1);
        m_arrElements.push_back(std::move(element));
        open = next;
    }
}

std::vector<CTpParameter> CTpTemplate::CollectParameters()
{
    std::vector<CTpParameter> distinct;
    int nextGroup = 1;
    for (std::size_t i = 0; i < m_arrElements.size(); ++i) {
        CTpParameter& param = m_arrElements[i]->m_param;
        if (param.m_nGroup == 0)
            param.m_nGroup = nextGroup++;
        int count = 1;
        for (std::size_t j = i + 1; j < m_arrElements.size(); ++j) {
            CTpParameter& later = m_arrElements[j]->m_param;
            if (later.m_strName == param.m_strName) {
                ++count;
                later.m_nGroup = param.m_nGroup;
            }
        }
        bool listed = false;
        for (const CTpParameter& d : distinct)
            listed = listed || d.m_nGroup == param.m_nGroup;
        if (!listed) {
            CTpParameter copy = param;
            copy.m_bKnown = IsKnownParameterName(param.m_strName) ? 1 : 0;
            copy.m_nCount = count;
            distinct.push_back(copy);
        }
    }
    return distinct;
}

int CTpTemplate::CheckParameters()
{
    std::vector<CTpParameter> distinct = CollectParameters();
    m_error.code = m_error.start = m_error.length = 0;
    bool onlyNotActual = true;
    for (const CTpParameter& param : distinct) {
        if (!param.m_bKnown) {
            Fail(IDS_UNKNOWN_PARAMETER, param.m_nPos, param.m_nLen);
            return -1;
        }
        if (param.m_nCount > 1 && !IsRepeatableParameterName(param.m_strName)) {
            Fail(IDS_MULTIPLE_DEFINITIONS, param.m_nPos, param.m_nLen);
            return -1;
        }
        onlyNotActual = onlyNotActual && IsNotActualParameterName(param.m_strName);
    }
    if (onlyNotActual) {
        Fail(IDS_NO_ACTUAL_PARAMETERS, 0, static_cast<int>(m_strText.size()));
        return -1;
    }
    return 0;
}
