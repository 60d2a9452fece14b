#include "rules/PlayerInfo.h"

CPlayerInfo::CPlayerInfo(const CPlayerInfo& other)
{
    *this = other;
}

CPlayerInfo& CPlayerInfo::operator=(const CPlayerInfo& other)
{
    if (&other == this)
        return *this;
    RemoveAllFormats();
    for (const auto& format : other.m_arrFormats)
        m_arrFormats.push_back(std::make_unique<CFormatInfo>(*format));
    m_arrLeadLines = other.m_arrLeadLines;
    m_arrHeadLines = other.m_arrHeadLines;
    m_strName = other.m_strName;
    m_strWndClass = other.m_strWndClass;
    m_strDispName = other.m_strDispName;
    return *this;
}

int CPlayerInfo::IsEqual(const CPlayerInfo& other) const
{
    if (&other == this)
        return 1;
    if (m_strWndClass != other.m_strWndClass || m_strName != other.m_strName
        || m_strDispName != other.m_strDispName || m_arrFormats.size() != other.m_arrFormats.size())
        return 0;
    for (std::size_t i = 0; i < m_arrFormats.size(); ++i)
        if (m_arrFormats[i]->m_strFormat != other.m_arrFormats[i]->m_strFormat)
            return 0;
    return 1;
}

void CPlayerInfo::RemoveAllFormats()
{
    m_arrFormats.clear();
}

std::string CPlayerInfo::GetSuggestedName() const
{
    std::string name;
    if (m_arrFormats.empty())
        return name;
    bool inParameter = false;
    for (const char ch : m_arrFormats.front()->m_strFormat) {
        if (ch == '<')
            inParameter = true;
        else if (ch == '>')
            inParameter = false;
        else if (!inParameter && ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9')))
            name += ch;
    }
    return name;
}
