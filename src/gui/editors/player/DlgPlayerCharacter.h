#pragma once

#include <QString>

#include <array>

#include "gui/editors/player/PlayerPage.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;

namespace kw {

// Page "Charakter": the player type, the character flags and the free comment (the note). The
// record has no field for the character flags, so their boxes are shown empty and disabled.
class CDlgPlayerCharacter : public CPlayerPage {
    Q_OBJECT

public:
    static constexpr int kCharacterFlagCount = 23;

    CDlgPlayerCharacter(SPlayerEditContext& context, QWidget* parent);

protected:
    void LoadPage(const CPlayer* player) override;
    void StoreInto(CPlayer& copy) const override;

private:
    QComboBox* m_type;
    int m_loadedType = -1;
    std::array<QCheckBox*, kCharacterFlagCount> m_flags{};
    QPlainTextEdit* m_comment;
    QString m_loadedComment;
};

}  // namespace kw
