#pragma once

#include <QDialog>

#include "tools/ChangePackage.h"
#include "tools/ChangePackageApply.h"

class QTreeWidget;

namespace kw {

class CDatabaseDocument;

// The preview of "Änderungspaket anwenden": every change of the package with what it would do to
// the database and why, before anything changes. A conflict whose record is there has a check box,
// unchecked, so that the user takes the package's value over the database's own one by one. "OK"
// makes every change that applies and every conflict taken one undoable edit of the document (and
// only closes when there is none); "Abbruch" leaves the document as it was.
class CDlgChangePackagePreview : public QDialog {
    Q_OBJECT

public:
    CDlgChangePackagePreview(CDatabaseDocument& document, SChangePackage package, SPackagePlan plan,
                             const QString& fileName, QWidget* parent = nullptr);

    void accept() override;

private:
    CDatabaseDocument& m_document;
    const SChangePackage m_package;
    SPackagePlan m_plan;
    QTreeWidget* m_changes = nullptr;
};

}  // namespace kw
