#include "GuiTest.h"

#include <fstream>

namespace kw::test {

void ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        throw std::runtime_error("window not active");
    }
}

void WriteText(const std::filesystem::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

void Retype(QLineEdit& field, const QString& text) {
    field.setFocus();
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    TypeText(&field, text);
}

void Retype(const QWidget& window, const QString& field, const QString& text) {
    Retype(Child<QLineEdit>(window, field), text);
}

void TypeNumber(CSpinEditCtrl& field, const QString& text) {
    Retype(*field.Field(), text);
    QTest::keyClick(field.Field(), Qt::Key_Tab);
}

void TypeNumber(CSpinEditCtrl& field, int value) {
    TypeNumber(field, QString::number(value));
}

void Choose(QComboBox& list, int data) {
    const int target = list.findData(data);
    QVERIFY(target >= 0);
    PickIndex(list, target);
}

void PickIndex(QComboBox& list, int target) {
    list.setFocus();
    for (int guard = 0; list.currentIndex() != target && guard < 500; ++guard) {
        QTest::keyClick(&list, list.currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }
    QCOMPARE(list.currentIndex(), target);
}

void Click(const QWidget& parent, const QString& button) {
    auto& target = Child<QPushButton>(parent, button);
    QVERIFY(target.isEnabled());
    QTest::mouseClick(&target, Qt::LeftButton);
}

void PressOk(QWidget& dialog, bool closes) {
    QPushButton* ok =
        Child<QDialogButtonBox>(dialog, QStringLiteral("buttons")).button(QDialogButtonBox::Ok);
    QVERIFY(ok != nullptr && ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(dialog.isVisible(), !closes);
}

void ShowTab(QTabWidget& tabs, int tab) {
    QTabBar* bar = tabs.tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    QCOMPARE(tabs.currentIndex(), tab);
}

void ClickRow(QAbstractItemView& list, int row, Qt::KeyboardModifiers modifiers) {
    const QModelIndex index = list.model()->index(row, 0);
    list.scrollTo(index);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, list.visualRect(index).center());
}

void DoubleClickRow(QAbstractItemView& list, int row) {
    ClickRow(list, row);
    const QPoint centre = list.visualRect(list.model()->index(row, 0)).center();
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
}

void ClickHeader(QTreeView& list, int column) {
    QHeaderView* header = list.header();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

std::string CloseWith(QDialog& dialog, int key, bool egal) {
    std::string messages;
    QObject scope;
    WhenModal<CDlgErrorMessage>(scope, [&messages, egal](CDlgErrorMessage& list) {
        // The heading stands in the only label of the list.
        const QList<QLabel*> labels = list.findChildren<QLabel*>();
        QCOMPARE(labels.size(), 1);
        messages = labels.front()->text().toStdString() + "|" + list.Text();
        QTest::mouseClick(egal ? list.CancelButton() : list.OkButton(), Qt::LeftButton);
    });
    if (key == Qt::Key_Return) {
        QTest::mouseClick(&Child<QPushButton>(dialog, QStringLiteral("ok")), Qt::LeftButton);
    } else if (key == 0) {
        dialog.close();
    } else {
        QTest::keyClick(&dialog, static_cast<Qt::Key>(key));
    }
    return messages;
}

int RowWithData(const QListWidget& list, std::uint32_t value) {
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->data(Qt::UserRole).toUInt() == value) {
            return row;
        }
    }
    return -1;
}

std::uint32_t ChooseClub(CDlgSelectClub& chooser, std::uint32_t club) {
    if (club != 0) {
        const int country =
            RowWithData(chooser.Countries(), static_cast<std::uint32_t>(ClubCountry(club)));
        if (country < 0) {
            return 0;
        }
        ClickRow(chooser.Countries(), country);
    }
    const int row = club != 0 ? RowWithData(chooser.Clubs(), club) : 0;
    if (row < 0 || row >= chooser.Clubs().count()) {
        return 0;
    }
    ClickRow(chooser.Clubs(), row);
    const std::uint32_t chosen = chooser.SelectedClub();
    QTest::keyClick(&chooser, Qt::Key_Return);
    return chosen;
}

QAction* Action(const QWidget& window, const QString& text) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

QPushButton* ButtonWithText(const QWidget& window, const QString& text) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

int CurrentCountry(const QWidget& window) {
    const QListWidgetItem* item =
        Child<QListWidget>(window, QStringLiteral("countries")).currentItem();
    return item != nullptr ? item->data(Qt::UserRole).toInt() : 0;
}

std::uint32_t CurrentClub(const QWidget& window) {
    const QListWidgetItem* item = Child<QListWidget>(window, QStringLiteral("clubs")).currentItem();
    return item != nullptr ? item->data(Qt::UserRole).toUInt() : 0;
}

void CDemoGuiTest::initTestCase() {
    QVERIFY(m_demo.Generate());
}

void CDemoGuiTest::init() {
    m_open = std::make_unique<COpenDemo>(m_demo.Path());
    QVERIFY(m_open->IsOpen());
    m_document = &m_open->Document();
    QVERIFY(!m_document->IsModified());
    Opened();
}

void CDemoGuiTest::ExpectUndoneAndSound(const std::string& before, int country) {
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QVERIFY(m_document->Redo());
    QCOMPARE(CountryFault(*m_document, country), QString());
}

void CDemoGuiTest::cleanup() {
    Closing();
    m_document = nullptr;
    m_open.reset();
}

std::vector<CClub*> ClubsWhere(const CWorld& world, const std::function<bool(const CClub&)>& take) {
    std::vector<CClub*> clubs;
    for (int country = 1; country <= kCountryCount; ++country) {
        for (const auto& entry : world.Country(country).Clubs()) {
            if (!entry.second->IsNationalTeam() && (!take || take(*entry.second))) {
                clubs.push_back(entry.second.get());
            }
        }
    }
    return clubs;
}

}  // namespace kw::test
