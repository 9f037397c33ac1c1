#pragma once

#include <cstdint>
#include <functional>

class QAction;
class QMenuBar;
class QWidget;

namespace kw {

class CDatabaseDocument;
class CDatabaseSlots;
class CGlobalTools;
class CWorld;
class IUserInterface;

// The four identifier mapping runs of the menu; the window connects them to their commands.
struct SAdminMappingActions {
    QAction* clubIds = nullptr;
    QAction* playerIds = nullptr;
    QAction* faceIds = nullptr;
    QAction* ps2FaceIds = nullptr;
};

// What the menu's commands act on, asked for each time one runs: the current database, the
// selected country and club (0 for none), the other open database of the nickname command (none
// while only one is open), the installation's name lists (none before they are read).
struct SAdminToolsHost {
    std::function<CDatabaseDocument&()> document;
    std::function<int()> selectedCountry;
    std::function<std::uint32_t()> selectedClub;
    std::function<const CWorld*()> otherDatabase;
    std::function<const CGlobalTools*()> tools;
    // "DB für PS2 erstellen".
    std::function<void()> buildPs2Master;
    IUserInterface& ui;
    // The window the three-way question is modal to.
    QWidget* window = nullptr;
};

// Appends the menu "AdminTools" with its group captions and every item in order. Each bulk
// command asks, runs as one undoable edit and reports through the host's user interface.
SAdminMappingActions AddAdminToolsMenu(QMenuBar& menuBar, SAdminToolsHost host);

// The database the nickname command copies from, as the slots stand.
const CWorld* NicknameSourceDatabase(const CDatabaseSlots& open);

}  // namespace kw
