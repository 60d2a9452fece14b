#include "wizard/FinishRules.h"

#include <utility>

#include "platform/FormatText.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "rules/PlayerInfo.h"

stFinishFields FinishFieldsOnActivation(const CPlayerInfo& current, const CPlayerInfo& original, bool editMode,
                                        bool dispNameSupported)
{
    stFinishFields fields;
    fields.windowClass = current.m_strWndClass;
    if (editMode) {
        fields.internalName = original.m_strName;
        fields.initialClass = original.m_strWndClass;
        if (dispNameSupported)
            fields.playerName = original.m_strDispName.empty() ? original.m_strName : original.m_strDispName;
    } else {
        fields.internalName = current.GetSuggestedName();
        fields.initialClass = fields.windowClass;
        if (dispNameSupported)
            fields.playerName = fields.internalName;
    }
    return fields;
}

bool IsWindowClassChanged(const stFinishFields& fields)
{
    return fields.windowClass != fields.initialClass;
}

int CheckFinishName(const std::string& internalName, const CAllPlayersInfo* players, bool editMode,
                    const std::string& originalName)
{
    if (internalName.empty())
        return IDS_PLAYER_NAME_BLANK;
    // Keeping its own name is no clash for an edited player; taking another's would give
    // the file two sections of one name, which it could not be read back with.
    if (editMode && internalName == originalName)
        return 0;
    if (players && players->FindPlayerName(internalName))
        return IDS_PLAYER_NAME_EXISTS;
    return 0;
}

std::vector<std::string> CreationLeadLines(const std::string& internalName)
{
    return {"", FormatText("; %s -=< Created using Quorvel Template Wizard >=-", internalName.c_str()), ";"};
}

void CompleteDescription(CPlayerInfo& player, const stFinishFields& fields, bool editMode, bool dispNameSupported)
{
    if (!editMode)
        for (std::string& line : CreationLeadLines(fields.internalName))
            player.m_arrLeadLines.push_back(std::move(line));
    player.m_strName = fields.internalName;
    player.m_strWndClass = fields.windowClass;
    // The field shows the internal name when there is no display name of its own, so a
    // field left at the internal name, or emptied, means none.
    if (dispNameSupported)
        player.m_strDispName =
            !fields.playerName.empty() && fields.playerName != fields.internalName ? fields.playerName : std::string();
}
