#include "SceneChecks.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QThread>
#include <QWidget>
#include <QXmlStreamReader>

#include <algorithm>
#include <stdexcept>

namespace kw::screens {

namespace {

constexpr int kSettleMs = 150;

bool ShowsSomething(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first) {
                return true;
            }
        }
    }
    return false;
}

QString Save(QWidget& widget, const QString& file, const QDir& folder) {
    const QImage image = widget.grab().toImage();
    const QString path = folder.filePath(file);
    if (image.isNull() || !ShowsSomething(image)) {
        throw std::runtime_error(file.toStdString() + " shows nothing");
    }
    if (!image.save(path, "PNG")) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
    return path;
}

void ProcessEventsFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

// Shown with the window: not hidden on purpose. A page a stack (tab widget) keeps behind another
// counts, the audit covers every page.
bool IsShownIn(const QWidget& widget, const QWidget& window) {
    for (const QWidget* w = &widget; w != nullptr && w != &window; w = w->parentWidget()) {
        if (w->isHidden() && qobject_cast<const QStackedWidget*>(w->parentWidget()) == nullptr) {
            return false;
        }
    }
    return true;
}

bool PartOfItsOwner(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    return qobject_cast<const QScrollBar*>(&widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(parent) != nullptr ||
           qobject_cast<const QComboBox*>(parent) != nullptr ||
           (qobject_cast<const QTabBar*>(&widget) != nullptr &&
            qobject_cast<const QTabWidget*>(parent) != nullptr) ||
           // Item views' cell editors and scroll-area corners.
           qobject_cast<const QAbstractItemView*>(parent ? parent->parentWidget() : nullptr) !=
               nullptr;
}

// "QLineEdit "" in kw::CSpinEditCtrl "day"": a control without object name by its owner.
QString Describe(const QWidget& widget) {
    const QString self =
        QStringLiteral("%1 \"%2\"")
            .arg(QString::fromLatin1(widget.metaObject()->className()), widget.objectName());
    const QWidget* owner = widget.parentWidget();
    if (!widget.objectName().isEmpty() || owner == nullptr) {
        return self;
    }
    return QStringLiteral("%1 in %2").arg(self, Describe(*owner));
}

QString WithoutMnemonic(QString text) {
    static const QRegularExpression single(QStringLiteral("&(?!&)"));
    return text.remove(single).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QStringList Captions(QWidget& window) {
    QStringList captions{window.windowTitle()};
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!IsShownIn(*widget, window)) {
            continue;
        }
        captions << widget->toolTip();
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            captions << label->text();
        } else if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
            captions << button->text();
        } else if (const auto* group = qobject_cast<QGroupBox*>(widget)) {
            captions << group->title();
        } else if (const auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                captions << tabs->tabText(i);
            }
        } else if (const auto* header = qobject_cast<QHeaderView*>(widget)) {
            if (header->model() != nullptr) {
                for (int i = 0; i < header->count(); ++i) {
                    captions << header->model()->headerData(i, header->orientation()).toString();
                }
            }
        } else if (const auto* edit = qobject_cast<QLineEdit*>(widget)) {
            captions << edit->placeholderText();
        } else if (const auto* menu = qobject_cast<QMenu*>(widget)) {
            captions << menu->title();
        }
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        captions << action->text() << action->toolTip();
    }
    captions.removeAll(QString());
    return captions;
}

}  // namespace

QString FileNamePart(const QString& text) {
    QString part;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.unicode() < 128 && c.isLetterOrNumber()) {
            part += c;
        }
    }
    return part;
}

bool Settle(const std::function<bool()>& ready, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!ready()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        ProcessEventsFor(10);
    }
    ProcessEventsFor(kSettleMs);
    return true;
}

QStringList Capture(QWidget& widget, const QString& name, const QDir& folder) {
    QStringList written{Save(widget, name + QStringLiteral(".png"), folder)};
    for (QTabWidget* tabs : widget.findChildren<QTabWidget*>()) {
        const int current = tabs->currentIndex();
        for (int index = 0; index < tabs->count(); ++index) {
            tabs->setCurrentIndex(index);
            ProcessEventsFor(kSettleMs);
            QString file = name + QLatin1Char('-') + FileNamePart(tabs->tabText(index));
            if (written.contains(folder.filePath(file + QStringLiteral(".png")))) {
                file += QString::number(index);
            }
            written << Save(widget, file + QStringLiteral(".png"), folder);
        }
        tabs->setCurrentIndex(current);
    }
    return written;
}

QHash<QString, QString> TranslatedSources(const QString& tsFile) {
    QHash<QString, QString> translated;
    // A source that some context keeps as it is ("&Name") is English as well.
    QSet<QString> kept;
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly)) {
        return translated;
    }
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QStringLiteral("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QStringLiteral("translation")) {
            const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (WithoutMnemonic(translation) == WithoutMnemonic(source)) {
                kept.insert(source);
            } else {
                translated.insert(source, translation);
            }
        }
    }
    for (const QString& source : kept) {
        translated.remove(source);
    }
    return translated;
}

QStringList UnnamedControls(QWidget& window) {
    QStringList unnamed;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus || !IsShownIn(*widget, window) ||
            PartOfItsOwner(*widget)) {
            continue;
        }
        const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed << Describe(*widget);
        }
    }
    return unnamed;
}

QStringList GermanCaptions(QWidget& window, const QHash<QString, QString>& translated,
                           const QSet<QString>& sameInBoth) {
    // The words of the German sources that hold a German letter: a caption with one of them is
    // German; names from the database (which the demo spells with such letters too) are not.
    static const QRegularExpression germanLetter(QStringLiteral("[äöüÄÖÜß]"));
    static const QRegularExpression wordBreak(QStringLiteral("[^\\p{L}]+"));
    QSet<QString> germanWords;
    for (auto source = translated.cbegin(); source != translated.cend(); ++source) {
        for (const QString& word : WithoutMnemonic(source.key()).split(wordBreak)) {
            if (word.contains(germanLetter)) {
                germanWords.insert(word);
            }
        }
    }
    QStringList german;
    for (const QString& caption : Captions(window)) {
        const QString plain = WithoutMnemonic(caption);
        if (sameInBoth.contains(plain)) {
            continue;
        }
        const QStringList words = plain.split(wordBreak);
        if (translated.contains(caption) ||
            std::any_of(words.begin(), words.end(),
                        [&](const QString& word) { return germanWords.contains(word); })) {
            german << caption;
        }
    }
    german.removeDuplicates();
    return german;
}

}  // namespace kw::screens
