#include "ui/dialogs/retranslate.h"

#include "settings/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

class Retranslator {
public:
    explicit Retranslator(const LanguageModules& languages)
        : m_languages(languages) {}

    // The text again from its source, or unchanged when it was not looked up.
    QString operator()(const QString& shown) const {
        if (shown.isEmpty())
            return shown;
        const std::optional<SourceText> source = m_languages.SourceOf(shown);
        if (!source)
            return shown;
        return QCoreApplication::translate(
            source->context.constData(), source->source.constData(),
            source->disambiguation.isEmpty() ? nullptr : source->disambiguation.constData());
    }

private:
    const LanguageModules& m_languages;
};

template <typename Get, typename Set> void Apply(const Retranslator& again, Get get, Set set) {
    const QString shown = get();
    const QString text = again(shown);
    if (text != shown)
        set(text);
}

void RetranslateWidget(QWidget& widget, const Retranslator& again) {
    if (widget.isWindow())
        Apply(
            again, [&] { return widget.windowTitle(); },
            [&](const QString& t) { widget.setWindowTitle(t); });
    Apply(
        again, [&] { return widget.toolTip(); }, [&](const QString& t) { widget.setToolTip(t); });
    Apply(
        again, [&] { return widget.statusTip(); },
        [&](const QString& t) { widget.setStatusTip(t); });
    if (auto* label = qobject_cast<QLabel*>(&widget))
        Apply(
            again, [&] { return label->text(); }, [&](const QString& t) { label->setText(t); });
    if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        Apply(
            again, [&] { return button->text(); }, [&](const QString& t) { button->setText(t); });
    if (auto* box = qobject_cast<QGroupBox*>(&widget))
        Apply(
            again, [&] { return box->title(); }, [&](const QString& t) { box->setTitle(t); });
    if (auto* edit = qobject_cast<QLineEdit*>(&widget))
        Apply(
            again, [&] { return edit->placeholderText(); },
            [&](const QString& t) { edit->setPlaceholderText(t); });
    if (auto* menu = qobject_cast<QMenu*>(&widget))
        Apply(
            again, [&] { return menu->title(); }, [&](const QString& t) { menu->setTitle(t); });
    if (auto* tabs = qobject_cast<QTabWidget*>(&widget)) {
        for (int i = 0; i < tabs->count(); ++i) {
            Apply(
                again, [&] { return tabs->tabText(i); },
                [&](const QString& t) { tabs->setTabText(i, t); });
            Apply(
                again, [&] { return tabs->tabToolTip(i); },
                [&](const QString& t) { tabs->setTabToolTip(i, t); });
        }
    }
    if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        for (int i = 0; i < combo->count(); ++i)
            Apply(
                again, [&] { return combo->itemText(i); },
                [&](const QString& t) { combo->setItemText(i, t); });
    }
    if (auto* table = qobject_cast<QTableWidget*>(&widget)) {
        for (int i = 0; i < table->columnCount(); ++i)
            if (QTableWidgetItem* item = table->horizontalHeaderItem(i))
                Apply(
                    again, [&] { return item->text(); },
                    [&](const QString& t) { item->setText(t); });
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(&widget)) {
        if (QTreeWidgetItem* header = tree->headerItem())
            for (int i = 0; i < header->columnCount(); ++i)
                Apply(
                    again, [&] { return header->text(i); },
                    [&](const QString& t) { header->setText(i, t); });
    }
    if (auto* view = qobject_cast<QChartView*>(&widget); view && view->chart())
        Apply(
            again, [&] { return view->chart()->title(); },
            [&](const QString& t) { view->chart()->setTitle(t); });
}

} // namespace

void RetranslateWindow(QWidget& window, const LanguageModules& languages) {
    const Retranslator again(languages);
    RetranslateWidget(window, again);
    for (QWidget* child : window.findChildren<QWidget*>())
        RetranslateWidget(*child, again);
    for (QAction* action : window.findChildren<QAction*>()) {
        Apply(
            again, [&] { return action->text(); }, [&](const QString& t) { action->setText(t); });
        Apply(
            again, [&] { return action->toolTip(); },
            [&](const QString& t) { action->setToolTip(t); });
    }
}
