#pragma once

#include <QPointer>
#include <QProgressDialog>

#include <string>

#include "platform/Progress.h"

class QWidget;

namespace kw {

// Progress of a long model operation in a window-modal progress dialog over `parent`. The work
// runs on the user-interface thread for now; each step lets the dialog repaint and notice Cancel.
class CQtProgress : public IProgress {
public:
    explicit CQtProgress(QWidget* parent);
    ~CQtProgress() override;
    CQtProgress(const CQtProgress&) = delete;
    CQtProgress& operator=(const CQtProgress&) = delete;

    void SetCaption(std::string_view text) override;
    void SetDescription(std::string_view text) override;
    void SetStatus(std::string_view text) override;
    void SetRange(int minimum, int maximum) override;
    void SetPos(int position) override;
    void EnableCancel(bool enable) override;
    void ShowTimes(bool) override {}
    void SetVisible(bool visible) override;
    bool IsCancelled() const override;

private:
    void UpdateLabel();

    // The parent owns the dialog as well; the guard notices when the parent went first.
    QPointer<QProgressDialog> m_dialog;
    std::string m_description;
    std::string m_status;
};

}  // namespace kw
