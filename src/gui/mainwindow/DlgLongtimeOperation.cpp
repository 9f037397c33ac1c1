#include "gui/mainwindow/DlgLongtimeOperation.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <chrono>

#include "app/LongtimeOperation.h"
#include "gui/controls/GuiStrings.h"
#include "gui/mainwindow/QtText.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

std::int64_t SteadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

CDlgLongtimeOperation::CDlgLongtimeOperation(CLongtimeOperation& operation, QWidget* parent,
                                             Clock clock)
    : QDialog(parent),
      m_operation(operation),
      m_clock(clock ? std::move(clock) : Clock(SteadyMilliseconds)),
      m_bar(new QProgressBar(this)),
      m_description(new QLabel(this)),
      m_status(new QLabel(this)),
      m_timeLine(new QLabel(this)),
      m_cancel(new QPushButton(FromCp1252(GuiString(ids::kCancel)), this)) {
    setWindowTitle(FromCp1252(GuiString(ids::kProgressCaption)));
    setModal(true);
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setWordWrap(true);
    m_description->setMinimumHeight(4 * fontMetrics().lineSpacing());
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setObjectName(QStringLiteral("status"));
    m_timeLine->setObjectName(QStringLiteral("timeLine"));
    m_timeLine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_bar->setObjectName(QStringLiteral("progress"));
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_description);
    layout->addWidget(m_status);
    layout->addWidget(m_bar);
    layout->addWidget(m_timeLine);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(m_cancel, &QPushButton::clicked, this, &CDlgLongtimeOperation::reject);
    m_operation.Progress().SetListener([this] { PostUpdate(); });
}

CDlgLongtimeOperation::~CDlgLongtimeOperation() {
    m_active = false;
    m_operation.Wait();
    m_operation.Progress().SetListener({});
}

void CDlgLongtimeOperation::Run(CLongtimeOperation& operation, QWidget* parent) {
    CDlgLongtimeOperation dialog(operation, parent);
    dialog.exec();
}

void CDlgLongtimeOperation::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_started) {
        return;
    }
    m_started = true;
    m_active = true;
    m_timer.Reset();
    ApplyUpdate();
    m_operation.Start([this] {
        QMetaObject::invokeMethod(
            this, [this] { WorkerEnded(); }, Qt::QueuedConnection);
    });
}

// Runs on the worker thread: one queued update at a time, none once the dialog is closing.
void CDlgLongtimeOperation::PostUpdate() {
    if (m_active && !m_updatePending.exchange(true)) {
        QMetaObject::invokeMethod(
            this, [this] { ApplyUpdate(); }, Qt::QueuedConnection);
    }
}

void CDlgLongtimeOperation::ApplyUpdate() {
    m_updatePending = false;
    const CProgressState::SSnapshot values = m_operation.Progress().Snapshot();
    m_bar->setRange(values.minimum, values.maximum);
    m_bar->setValue(values.position);
    m_description->setText(FromCp1252(values.description));
    m_status->setText(FromCp1252(values.status));
    setWindowTitle(FromCp1252(values.caption.empty() ? GuiString(ids::kProgressCaption)
                                                     : std::string_view(values.caption)));
    m_cancel->setEnabled(values.canClose && !values.cancelled && !m_ended);
    // Hiding a modal dialog would end it before the worker; a hidden one only turns transparent.
    setWindowOpacity(values.visible ? 1.0 : 0.0);
    if (!values.showTimes) {
        m_timeLine->clear();
    } else if (const auto line =
                   m_timer.Update(values.minimum, values.maximum, values.position, m_clock())) {
        m_timeLine->setText(FromCp1252(*line));
    }
}

void CDlgLongtimeOperation::reject() {
    // Closing waits for the worker in every case; cancel only makes it end sooner.
    if (!m_ended && m_operation.Progress().Cancel()) {
        m_cancel->setEnabled(false);
    }
}

void CDlgLongtimeOperation::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

void CDlgLongtimeOperation::WorkerEnded() {
    m_active = false;
    m_operation.Wait();
    m_ended = true;
    ApplyUpdate();
    done(QDialog::Accepted);
}

}  // namespace kw
