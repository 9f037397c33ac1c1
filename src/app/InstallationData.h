#pragma once

#include "assets/GlobalTools.h"
#include "model/StadiumList.h"
#include "storage/TextTable.h"

namespace kw {

struct SAppContext;

// What the editors read from the installation once at start-up and share while the program runs:
// the text tables of the language folder, the stadium list and the global tools (name lists,
// badge archive).
class CInstallationData {
public:
    // Reads everything from the directories start-up set up; a missing file leaves its table or
    // list empty, as an installation may lack it.
    void Load(const SAppContext& context);

    const CTextTables& TextTables() const { return m_textTables; }
    const CStadiumList& Stadiums() const { return m_stadiums; }
    const CGlobalTools& Tools() const { return m_tools; }
    CGlobalTools& Tools() { return m_tools; }

private:
    CTextTables m_textTables;
    CStadiumList m_stadiums;
    CGlobalTools m_tools;
};

}  // namespace kw
