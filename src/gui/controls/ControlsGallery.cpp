#include "gui/controls/ControlsGallery.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>
#include <string_view>

#include "gui/controls/ControlText.h"
#include "gui/controls/DialogB.h"
#include "gui/controls/DlgErrorMessage.h"
#include "gui/controls/DlgErrorSingle.h"
#include "gui/controls/DlgInputBox.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/MyListBox.h"
#include "gui/controls/MyTabCtrl.h"
#include "gui/controls/SelectColour.h"
#include "gui/controls/SmallControls.h"
#include "gui/controls/SpinEditCtrl.h"
#include "gui/controls/ValueScrollBar.h"

namespace kw {

namespace {

constexpr int kDatabaseNameLength = 32;

// The sample texts read in the interface's language; the dialogs take Windows-1252.
std::string SampleText(const char* text) {
    return QStringToCp1252(QCoreApplication::translate("kw::CControlsGallery", text));
}

std::string NewDatabasePrompt() {
    return SampleText(QT_TRANSLATE_NOOP("kw::CControlsGallery",
                                        "Neue Datenbank erstellen\tWelchen Namen soll die neue "
                                        "Datenbank bekommen?\tNeueDatenbank"));
}

std::unique_ptr<QDialog> MakeHintDialog(QWidget* parent) {
    auto hint = std::make_unique<CDlgErrorMessage>(parent);
    hint->SetHeading(ids::kErrorOccurred);
    hint->AddText(SampleText(
        QT_TRANSLATE_NOOP("kw::CControlsGallery", "Land 12: die 2. Liga hat zu wenige Vereine.")));
    hint->AddText(SampleText(
        QT_TRANSLATE_NOOP("kw::CControlsGallery", "Land 40: der Pokal hat keinen Spielplan.")));
    hint->AppendText(SampleText(QT_TRANSLATE_NOOP("kw::CControlsGallery", "Trotzdem fortfahren?")));
    hint->SetButtonTexts(ids::kOk, ids::kNoMatter);
    return hint;
}

std::unique_ptr<QDialog> MakeAttentionDialog(QWidget* parent) {
    auto attention = std::make_unique<CDlgErrorSingle>(parent);
    attention->SetHeading(ids::kCompleteCountries);
    for (const int country : {1, 3, 17}) {
        attention->AddText(QStringToCp1252(
            QCoreApplication::translate("kw::CControlsGallery", "Land %1").arg(country)));
    }
    return attention;
}

std::unique_ptr<QDialog> MakeInputDialog(QWidget* parent) {
    auto input = std::make_unique<CDlgInputBox>(parent);
    input->SetPrompt(NewDatabasePrompt());
    input->SetMaxLength(kDatabaseNameLength);
    return input;
}

class CControlsGallery : public CDialogB {
    Q_DECLARE_TR_FUNCTIONS(kw::CControlsGallery)

public:
    explicit CControlsGallery(QWidget* parent) : CDialogB(parent) {
        setWindowTitle(tr("Steuerelemente"));
        auto* grid = new QGridLayout;
        grid->addWidget(MakeNumbers(), 0, 0);
        grid->addWidget(MakeColours(), 1, 0);
        grid->addWidget(MakeBars(), 2, 0);
        grid->addWidget(MakeList(), 0, 1, 2, 1);
        grid->addWidget(MakeTabs(), 2, 1);

        auto* buttons = new QDialogButtonBox;
        QPushButton* ok =
            buttons->addButton(ResourceQString(ids::kOk), QDialogButtonBox::AcceptRole);
        buttons->addButton(ResourceQString(ids::kCancel), QDialogButtonBox::RejectRole);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(grid);
        layout->addLayout(MakeDialogButtons());
        layout->addWidget(buttons);
        // Only a button inside the dialog can become its default.
        ok->setDefault(true);
    }

private:
    QWidget* MakeNumbers() {
        auto* group = new QGroupBox(tr("Zahlenfelder"));
        auto* form = new QFormLayout(group);
        auto* age = new CSpinEditCtrl;
        age->SetRange(0, 99);
        age->SetValue(24);
        auto* height = new CSpinEditCtrl;
        height->SetRange(150, 220);
        height->SetValue(220);
        auto* heard = new QLabel(QStringLiteral("-"));
        for (CSpinEditCtrl* field : {age, height}) {
            connect(field, &CSpinEditCtrl::SpinEditChanged, heard,
                    [heard](int value) { heard->setNum(value); });
        }
        form->addRow(tr("&Alter (0 bis 99):"), age);
        form->addRow(tr("&Größe (150 bis 220):"), height);
        form->addRow(tr("Zuletzt gemeldet:"), heard);
        return group;
    }

    QWidget* MakeColours() {
        auto* group = new QGroupBox(tr("Trikotfarbe"));
        auto* layout = new QVBoxLayout(group);
        auto* colours = new CSelectColour;
        colours->AddColour("Rot", QColor(200, 16, 32));
        colours->AddColour("Blau", QColor(20, 60, 180));
        colours->AddColour("Wei\xDF", QColor(255, 255, 255));
        colours->AddColour("Gelb", QColor(250, 210, 0));
        colours->AddColour("Schwarz", QColor(0, 0, 0));
        colours->setCurrentIndex(1);
        layout->addWidget(colours);
        return group;
    }

    QWidget* MakeBars() {
        auto* group = new QGroupBox(tr("Wertebalken"));
        auto* layout = new QGridLayout(group);
        auto* plain = new CValueScrollBar(EScrollDirection::Plain, Qt::Horizontal);
        plain->setRange(0, 100);
        plain->setPageStep(10);
        plain->SetValue(40);
        plain->setMinimumWidth(plain->fontMetrics().averageCharWidth() * 20);
        auto* plainValue = new QLabel(QString::number(plain->Value()));
        connect(plain, &CValueScrollBar::BarValueChanged, plainValue,
                qOverload<int>(&QLabel::setNum));
        auto* contract = new CValueScrollBar(EScrollDirection::Reversed, Qt::Vertical);
        contract->setRange(2006, 2015);
        contract->setPageStep(3);
        contract->SetValue(2009);
        contract->setMinimumHeight(90);
        auto* contractValue = new QLabel(QString::number(contract->Value()));
        connect(contract, &CValueScrollBar::BarValueChanged, contractValue,
                qOverload<int>(&QLabel::setNum));
        layout->addWidget(MakeBuddy(tr("Stärke:"), plain), 0, 0);
        layout->addWidget(plain, 0, 1);
        layout->addWidget(plainValue, 0, 2);
        layout->addWidget(MakeBuddy(tr("Vertrag gültig bis:"), contract), 1, 0);
        layout->addWidget(contract, 1, 1, Qt::AlignHCenter);
        layout->addWidget(contractValue, 1, 2);
        auto* dragImage = new QLabel;
        dragImage->setPixmap(MakeDragImage(QStringLiteral("Bernd Kowalski")));
        layout->addWidget(new QLabel(tr("Ziehbild:")), 2, 0);
        layout->addWidget(dragImage, 2, 1, 1, 2);
        return group;
    }

    QWidget* MakeList() {
        auto* group = new QGroupBox(tr("Kader"));
        auto* layout = new QVBoxLayout(group);
        m_list = new CMyListBox;
        m_list->setAccessibleName(tr("Kader"));
        m_list->SetColumns({SListColumn{0, 90, EColumnAlign::Left},
                            SListColumn{94, 114, EColumnAlign::Right},
                            SListColumn{120, 140, EColumnAlign::Centre}});
        for (std::string_view row :
             {"Bernd Kowalski\t24\tTW", "Jens M\xFCller\t31\tIV", "Ole Brandt\t19\tLM",
              "Timo Sch\xE4"
              "fer\t27\tZM",
              "Luca Ferreira\t22\tST\tnicht gezeigt"}) {
            m_list->AddRow(row);
        }
        m_list->setMinimumWidth(m_list->fontMetrics().averageCharWidth() * 38);
        auto* add = new QPushButton(tr("&Neu"));
        auto* remove = new QPushButton(tr("&Löschen"));
        connect(add, &QPushButton::clicked, this,
                [this] { m_list->AddRow("Neuer Spieler\t18\tST"); });
        connect(remove, &QPushButton::clicked, this, [this] { delete m_list->currentItem(); });
        connect(m_list, &CMyListBox::ContextMenuRequested, this, [this, add, remove](QPoint at) {
            m_menu.clear();
            AddMenuItemFromControl(m_menu, *add, true);
            AddMenuItemFromControl(m_menu, *remove, m_list->currentItem() != nullptr);
            ShowContextMenu(*m_list, m_menu, at);
        });
        auto* row = new QHBoxLayout;
        row->addWidget(add);
        row->addWidget(remove);
        row->addStretch();
        layout->addWidget(m_list);
        layout->addLayout(row);
        return group;
    }

    QWidget* MakeTabs() {
        auto* tabs = new CMyTabCtrl;
        auto* general = new CDialogB(nullptr, ERole::Page);
        auto* hold = new QCheckBox(tr("Seite &festhalten"));
        auto* generalForm = new QFormLayout(general);
        generalForm->addRow(tr("&Name:"), new QLineEdit(QStringLiteral("Kowalski")));
        generalForm->addRow(hold);
        auto* contract = new CDialogB(nullptr, ERole::Page);
        auto* salary = new CSpinEditCtrl;
        salary->SetRange(0, 5000);
        salary->SetValue(1200);
        auto* refresh = new QPushButton(tr("Liste &aktualisieren"));
        connect(refresh, &QPushButton::clicked, contract, &CDialogB::NotifyListUpdate);
        auto* contractForm = new QFormLayout(contract);
        contractForm->addRow(tr("&Gehalt (Tsd.):"), salary);
        contractForm->addRow(refresh);
        tabs->AddPage(general, tr("Allgemein"));
        tabs->AddPage(contract, tr("Vertrag"));
        tabs->SetLeaveQuery([hold](int) { return !hold->isChecked(); });
        connect(tabs, &CMyTabCtrl::ListUpdate, this,
                [this] { m_list->AddRow("Aktualisiert\t0\t-"); });
        return tabs;
    }

    QLayout* MakeDialogButtons() {
        auto* row = new QHBoxLayout;
        auto* hint = new QPushButton(tr("&Hinweis..."));
        auto* attention = new QPushButton(tr("A&chtung..."));
        auto* input = new QPushButton(tr("&Eingabe..."));
        for (QPushButton* button : {hint, attention, input}) {
            button->setAutoDefault(false);
            row->addWidget(button);
        }
        auto* entered = new QLabel;
        row->addWidget(entered, 1);
        connect(hint, &QPushButton::clicked, this, [this] { MakeHintDialog(this)->exec(); });
        connect(attention, &QPushButton::clicked, this,
                [this] { MakeAttentionDialog(this)->exec(); });
        connect(input, &QPushButton::clicked, this, [this, entered] {
            const auto name = CDlgInputBox::Ask(this, NewDatabasePrompt(), kDatabaseNameLength);
            entered->setText(name ? Cp1252ToQString(*name) : tr("(abgebrochen)"));
        });
        return row;
    }

    CMyListBox* m_list = nullptr;
    QMenu m_menu;
};

}  // namespace

std::unique_ptr<QWidget> MakeControlsGallery(QWidget* parent) {
    return std::make_unique<CControlsGallery>(parent);
}

std::vector<std::unique_ptr<QDialog>> MakeControlsGalleryDialogs(QWidget* parent) {
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(MakeHintDialog(parent));
    dialogs.push_back(MakeAttentionDialog(parent));
    dialogs.push_back(MakeInputDialog(parent));
    return dialogs;
}

}  // namespace kw
