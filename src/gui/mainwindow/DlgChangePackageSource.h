#pragma once

#include <QDialog>

#include <vector>

#include "gui/mainwindow/DlgDatabaseDiff.h"

class QComboBox;

namespace kw {

// The first step of "Änderungspaket erstellen": which other open database the package starts
// from. The package holds what the current database changed against it, so that applied to that
// database (or a copy of it) it makes it the current one.
class CDlgChangePackageSource : public QDialog {
    Q_OBJECT

public:
    // `current` indexes `databases`; the first other one is chosen at first.
    CDlgChangePackageSource(const std::vector<CDlgDatabaseDiff::SDatabase>& databases, int current,
                            QWidget* parent = nullptr);

    // The index in `databases` of the database chosen.
    int Chosen() const;

private:
    QComboBox* m_others = nullptr;
};

}  // namespace kw
