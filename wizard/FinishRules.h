#pragma once
// The decisions of the wizard's last step, apart from its window: the values the page
// opens with, when the window class counts as changed, which names Finish refuses and
// what it stores in the description.

#include <string>
#include <vector>

class CAllPlayersInfo;
class CPlayerInfo;

struct stFinishFields {
    std::string internalName;
    std::string windowClass;
    std::string playerName; // the display name field
    std::string initialClass;
};

// `current` is the description being built, `original` the player as it stood when the
// wizard opened.
stFinishFields FinishFieldsOnActivation(const CPlayerInfo& current, const CPlayerInfo& original, bool editMode,
                                        bool dispNameSupported);

bool IsWindowClassChanged(const stFinishFields& fields);

// 0 when Finish may take the name, else the number of the message that refuses it. In
// edit mode `originalName` is the edited player's own name, which the collection holds.
int CheckFinishName(const std::string& internalName, const CAllPlayersInfo* players, bool editMode,
                    const std::string& originalName);

// The lines put in front of a new player's section.
std::vector<std::string> CreationLeadLines(const std::string& internalName);

// Names and class into the description, and in add-new mode the creation lines.
void CompleteDescription(CPlayerInfo& player, const stFinishFields& fields, bool editMode, bool dispNameSupported);
