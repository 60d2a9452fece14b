#include "rules/TpTemplate.h"

#include "res/resource.h"

#include <array>
#include <unordered_map>

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

int CTpTemplate::Parse(std::string_view text, char open, char close)
{
    m_error.code = m_error.start = m_error.length = 0;
    m_bParsed = false;
    if (text.empty()) {
        Fail(IDS_TEMPLATE_NOT_DEFINED, 0, 0);
        return -1;
    }
    m_strText.assign(text);
    m_chOpen = open;
    m_chClose = close;
    if (Scan() != 0) {
        m_strText.clear();
        m_strPrefix.clear();
        m_arrElements.clear();
        return -1;
    }
    m_bParsed = true;
    return 0;
}

// One pass that checks the brackets and builds the elements. The tests run at every
// bracket, so the fault reported is the first one in text order; -2 is never adjacent to a
// real position. Once the tests pass at a bracket, the brackets so far alternate, so the
// elements can be built on the way; a failure discards them.
int CTpTemplate::Scan()
{
    const std::string_view text = m_strText;
    std::size_t count = 0;
    int opens = 0, closes = 0;
    int lastOpen = -2, lastClose = -2;
    const int n = static_cast<int>(text.size());
    for (int k = 0; k < n; ++k) {
        const bool isOpen = text[k] == m_chOpen;
        if (isOpen) {
            ++opens;
            lastOpen = k;
        } else if (text[k] == m_chClose) {
            ++closes;
            lastClose = k;
        } else {
            continue; // nothing the tests look at has changed
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
        if (!isOpen)
            SetElement(count++, lastOpen, lastClose);
        else if (count == 0)
            m_strPrefix.assign(text.substr(0, static_cast<std::size_t>(k)));
        else
            SetFollowing(count - 1, k);
    }
    if (opens == 0) {
        Fail(IDS_PARAMETERS_NOT_DEFINED, 0, 0);
        return -1;
    }
    if (opens > closes) {
        Fail(IDS_UNBALANCED_BRACKETS, lastOpen, 1);
        return -1;
    }
    SetFollowing(count - 1, n);
    m_arrElements.resize(count);
    return 0;
}

// Elements are overwritten in place, so that their strings keep their storage.
void CTpTemplate::SetElement(std::size_t index, int open, int close)
{
    if (index == m_arrElements.size())
        m_arrElements.emplace_back();
    CTpParameter& param = m_arrElements[index].m_param;
    param.m_nGroup = 0;
    param.m_strName.assign(m_strText, static_cast<std::size_t>(open + 1), static_cast<std::size_t>(close - open - 1));
    param.m_strValue.clear();
    param.m_nPos = open + 1;
    param.m_nLen = close - open - 1;
    param.m_bKnown = 0;
    param.m_nCount = 0;
}

// The text after the element's closing bracket up to end.
void CTpTemplate::SetFollowing(std::size_t index, int end)
{
    ParamListElem& element = m_arrElements[index];
    const std::size_t from = static_cast<std::size_t>(element.m_param.m_nPos + element.m_param.m_nLen + 1);
    element.m_strFollowing.assign(m_strText, from, static_cast<std::size_t>(end) - from);
}

// Numbers follow the order of first appearance. The elements' numbers are either all 0
// (fresh parse) or already consistent, so a numbered first element means nothing to do.
void CTpTemplate::AssignGroups()
{
    if (m_arrElements.empty() || m_arrElements.front().m_param.m_nGroup != 0)
        return;
    std::array<int, KnownParameterNames.size()> knownGroups{};
    std::unordered_map<std::string_view, int> otherGroups;
    int nextGroup = 1;
    for (ParamListElem& element : m_arrElements) {
        CTpParameter& param = element.m_param;
        const int k = KnownParameterIndex(param.m_strName);
        int& group = k >= 0 ? knownGroups[static_cast<std::size_t>(k)] : otherGroups[param.m_strName];
        if (group == 0)
            group = nextGroup++;
        param.m_nGroup = group;
    }
}

std::vector<CTpParameter> CTpTemplate::CollectParameters()
{
    AssignGroups();
    std::vector<int> counts(m_arrElements.size() + 1, 0);
    for (const ParamListElem& element : m_arrElements)
        ++counts[static_cast<std::size_t>(element.m_param.m_nGroup)];
    std::vector<CTpParameter> distinct;
    for (const ParamListElem& element : m_arrElements) {
        const CTpParameter& param = element.m_param;
        if (param.m_nGroup <= static_cast<int>(distinct.size()))
            continue;
        CTpParameter copy = param;
        copy.m_bKnown = IsKnownParameterName(param.m_strName) ? 1 : 0;
        copy.m_nCount = counts[static_cast<std::size_t>(param.m_nGroup)];
        distinct.push_back(copy);
    }
    return distinct;
}

// The distinct parameters in the order CollectParameters lists them. Only known names need
// counting: the first unknown one fails at its first appearance.
int CTpTemplate::CheckParameters()
{
    AssignGroups();
    m_error.code = m_error.start = m_error.length = 0;
    std::array<int, KnownParameterNames.size()> counts{};
    for (const ParamListElem& element : m_arrElements)
        if (const int k = KnownParameterIndex(element.m_param.m_strName); k >= 0)
            ++counts[static_cast<std::size_t>(k)];
    std::array<bool, KnownParameterNames.size()> listed{};
    bool onlyNotActual = true;
    for (const ParamListElem& element : m_arrElements) {
        const CTpParameter& param = element.m_param;
        const int k = KnownParameterIndex(param.m_strName);
        if (k < 0) {
            Fail(IDS_UNKNOWN_PARAMETER, param.m_nPos, param.m_nLen);
            return -1;
        }
        if (listed[static_cast<std::size_t>(k)])
            continue;
        listed[static_cast<std::size_t>(k)] = true;
        if (counts[static_cast<std::size_t>(k)] > 1 && !IsRepeatableParameterName(param.m_strName)) {
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
