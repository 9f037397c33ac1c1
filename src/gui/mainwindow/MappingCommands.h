#pragma once

#include <memory>
#include <string_view>

class QFileDialog;
class QMessageBox;
class QWidget;

namespace kw {

class CDatabaseDocument;
class CInstallationData;
class IUserInterface;

// The ID mapping commands of the "AdminTools" menu. Each asks its question (Yes: unmatched get 0,
// No: they keep theirs, Cancel: stop), then for the report file ("Select report outputfile";
// cancelling stops too), runs the mapping on the document as one undoable edit with the lists the
// installation loaded at start-up, and tells the result through `ui`. True when the mapping ran.
bool MapClubIdsCommand(CDatabaseDocument& document, const CInstallationData& installation,
                       QWidget* parent, IUserInterface& ui);
bool MapPlayerIdsCommand(CDatabaseDocument& document, const CInstallationData& installation,
                         QWidget* parent, IUserInterface& ui);
bool MapFaceIdsCommand(CDatabaseDocument& document, const CInstallationData& installation,
                       QWidget* parent, IUserInterface& ui);
bool MapPs2FaceIdsCommand(CDatabaseDocument& document, const CInstallationData& installation,
                          QWidget* parent, IUserInterface& ui);

// The commands' question box (Yes, No, Cancel; Escape cancels) and the report's save dialog,
// ready to show.
std::unique_ptr<QMessageBox> MakeMappingQuestion(std::string_view question, QWidget* parent);
std::unique_ptr<QFileDialog> MakeReportFileDialog(QWidget* parent);

}  // namespace kw
