#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "gui/controls/DialogB.h"

class QCheckBox;

namespace kw {

// A copy dialog: one check box per group of a copy mask; the chosen mask is the OR of the
// values of the checked boxes. Each box starts checked when its value is in the given mask.
class CCopyGroupsDialog : public CDialogB {
    Q_OBJECT

public:
    struct SGroup {
        int labelId;  // string id of the box's label
        std::uint32_t value;
    };

    CCopyGroupsDialog(int captionId, const std::vector<SGroup>& groups, std::uint32_t mask,
                      QWidget* parent);

    std::uint32_t Mask() const;

private:
    std::vector<std::pair<QCheckBox*, std::uint32_t>> m_boxes;
};

}  // namespace kw
