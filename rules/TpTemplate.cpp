#include "rules/TpTemplate.h"

#include "res/resource.h"

#include <algorithm>
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

namespace {

void SetFault(stParseError& error, int code, int start, int length)
{
    error.code = code;
    error.start = start;
    error.length = length;
}

// Checks the brackets of a non-empty text and hands over each pair, as open and close
// positions, once the brackets so far are sound. 0, or -1 with the first fault in text order.
// Other characters change nothing the tests look at, so the scan goes from bracket to
// bracket; -2 is never adjacent to a real position. A character that is both brackets
// counts as an opening one.
template <class OnPair>
int ScanBrackets(std::string_view text, char open, char close, stParseError& error, OnPair&& onPair)
{
    const int n = static_cast<int>(text.size());
    const auto find = [text, n](char bracket, int from) {
        const std::size_t at = text.find(bracket, static_cast<std::size_t>(from));
        return at == std::string_view::npos ? n : static_cast<int>(at);
    };
    int nextOpen = find(open, 0);
    int nextClose = close == open ? n : find(close, 0);
    int opens = 0, closes = 0;
    int lastOpen = -2, lastClose = -2;
    for (int k; (k = std::min(nextOpen, nextClose)) < n;) {
        const bool isOpen = k == nextOpen;
        if (isOpen) {
            ++opens;
            lastOpen = k;
            nextOpen = find(open, k + 1);
        } else {
            ++closes;
            lastClose = k;
            nextClose = find(close, k + 1);
        }
        if (closes > opens) {
            SetFault(error, IDS_TOO_MANY_RIGHT_BRACKETS, k, 1);
            return -1;
        }
        if (opens - closes > 1) {
            SetFault(error, IDS_NESTED_BRACKETS, k, 1);
            return -1;
        }
        if (lastClose == lastOpen + 1) {
            SetFault(error, IDS_EMPTY_PARAMETER, lastOpen, 2);
            return -1;
        }
        if (lastOpen == lastClose + 1) {
            SetFault(error, IDS_MISSING_STRING_BETWEEN_BRACKETS, lastClose, 2);
            return -1;
        }
        if (!isOpen)
            onPair(lastOpen, lastClose);
    }
    if (opens == 0) {
        SetFault(error, IDS_PARAMETERS_NOT_DEFINED, 0, 0);
        return -1;
    }
    if (opens > closes) {
        SetFault(error, IDS_UNBALANCED_BRACKETS, lastOpen, 1);
        return -1;
    }
    return 0;
}

// The parameter rules over the elements in order, fed one at a time. The fault is that of
// the first distinct name, in order of first appearance, that is unknown or repeated without
// being repeatable. Only known names need counting: an unknown one is at its first
// appearance when it is the first unknown element.
class ParameterCheck {
public:
    void Add(std::string_view name, int pos, int len)
    {
        const int k = KnownParameterIndex(name);
        if (k < 0) {
            if (m_unknown.index < 0)
                m_unknown = {m_count, pos, len};
        } else {
            First& first = m_first[static_cast<std::size_t>(k)];
            if (first.index < 0)
                first = {m_count, pos, len};
            else if (!IsRepeatableParameterName(name) && (m_repeated.index < 0 || first.index < m_repeated.index))
                m_repeated = first;
            m_onlyNotActual = m_onlyNotActual && IsNotActualParameterName(name);
        }
        ++m_count;
    }

    int Finish(int textLength, stParseError& error) const
    {
        if (m_repeated.index >= 0 && (m_unknown.index < 0 || m_repeated.index < m_unknown.index)) {
            SetFault(error, IDS_MULTIPLE_DEFINITIONS, m_repeated.pos, m_repeated.len);
            return -1;
        }
        if (m_unknown.index >= 0) {
            SetFault(error, IDS_UNKNOWN_PARAMETER, m_unknown.pos, m_unknown.len);
            return -1;
        }
        if (m_onlyNotActual) {
            SetFault(error, IDS_NO_ACTUAL_PARAMETERS, 0, textLength);
            return -1;
        }
        return 0;
    }

private:
    struct First {
        int index = -1; // among the elements
        int pos = 0;
        int len = 0;
    };

    std::array<First, KnownParameterNames.size()> m_first{};
    First m_unknown;
    First m_repeated;
    bool m_onlyNotActual = true;
    int m_count = 0;
};

} // namespace

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
    // The elements are built on the way; a fault discards them.
    std::size_t count = 0;
    const int scanned = ScanBrackets(m_strText, open, close, m_error, [this, &count](int o, int c) {
        if (count == 0)
            m_strPrefix.assign(m_strText, 0, static_cast<std::size_t>(o));
        else
            SetFollowing(count - 1, o);
        SetElement(count++, o, c);
    });
    if (scanned != 0) {
        m_strText.clear();
        m_strPrefix.clear();
        m_arrElements.clear();
        return -1;
    }
    SetFollowing(count - 1, static_cast<int>(m_strText.size()));
    m_arrElements.resize(count);
    m_bParsed = true;
    return 0;
}

int CTpTemplate::Check(std::string_view text, char open, char close, stParseError& error)
{
    if (text.empty()) {
        SetFault(error, IDS_TEMPLATE_NOT_DEFINED, 0, 0);
        return -1;
    }
    ParameterCheck parameters;
    if (ScanBrackets(text, open, close, error, [&parameters, text](int o, int c) {
            parameters.Add(text.substr(static_cast<std::size_t>(o + 1), static_cast<std::size_t>(c - o - 1)), o + 1,
                           c - o - 1);
        }) != 0)
        return -1;
    return parameters.Finish(static_cast<int>(text.size()), error);
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

int CTpTemplate::CheckParameters()
{
    AssignGroups();
    m_error.code = m_error.start = m_error.length = 0;
    ParameterCheck parameters;
    for (const ParamListElem& element : m_arrElements)
        parameters.Add(element.m_param.m_strName, element.m_param.m_nPos, element.m_param.m_nLen);
    return parameters.Finish(static_cast<int>(m_strText.size()), m_error);
}
