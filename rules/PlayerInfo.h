#pragma once
// One section of the rules file: a player's names, window class and templates.

#include <memory>
#include <string>
#include <vector>

#include "rules/FormatInfo.h"

class CPlayerInfo {
public:
    CPlayerInfo() = default;
    CPlayerInfo(const CPlayerInfo& other);
    CPlayerInfo& operator=(const CPlayerInfo& other);
    virtual ~CPlayerInfo() = default;

    std::string GetName() const { return m_strName; }
    void SetName(const std::string& name) { m_strName = name; }
    std::string GetWndClass() const { return m_strWndClass; }
    void SetWndClass(const std::string& wndClass) { m_strWndClass = wndClass; }
    std::string GetDispName() const { return m_strDispName; }
    void SetDispName(const std::string& dispName) { m_strDispName = dispName; }

    // 1 when class, names and the template texts in order are the same; the stored
    // comment lines do not count. Else 0.
    int IsEqual(const CPlayerInfo& other) const;
    void RemoveAllFormats();
    // The letters and digits of the first template outside its parameters.
    std::string GetSuggestedName() const;

    std::string m_strWndClass;
    std::string m_strName;
    std::string m_strDispName;
    std::vector<std::string> m_arrLeadLines;
    std::vector<std::string> m_arrHeadLines;
    std::vector<std::unique_ptr<CFormatInfo>> m_arrFormats;
};
