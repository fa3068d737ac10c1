// The configuration window's controls, made by walking the parameter table:

#include "ui/dialogs/windowbars.h"
// each shown entry becomes its field, with its label, in its group box on
// its tab. Only the CONFIG word's check boxes and the buttons are laid out
// by hand.

#include "ui/instrument/config.h"

#include "config/parametertable.h"
#include "ui/instrument/configfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <vector>

namespace {

// A multi-line field weighs as much as this many rows when the groups of a
// tab are shared between its two columns.
constexpr int MultiLineRows = 4;
constexpr int MemoWidthChars = 28;

QString Caption(const char* text) {
    return QCoreApplication::translate("TFormConfig", text);
}

// Rows of a group box, its caption counted as one.
int GroupWeight(int group) {
    int weight = 1;
    for (const ParameterEntry& entry : ParameterTable()) {
        if (entry.group == group)
            weight += entry.format == FieldFormat::MultiLine ? MultiLineRows : 1;
    }
    if (group == GroupIdentification)
        ++weight; // the software version
    return weight;
}

// Where the groups of a tab, in their order, go to the right column: the
// split that makes the taller column the shortest.
std::size_t ColumnSplit(const std::vector<int>& groups) {
    std::vector<int> weights;
    int total = 0;
    for (int group : groups) {
        weights.push_back(GroupWeight(group));
        total += weights.back();
    }
    std::size_t best = groups.size();
    int bestHeight = total;
    int left = 0;
    for (std::size_t split = 1; split < groups.size(); ++split) {
        left += weights[split - 1];
        const int height = std::max(left, total - left);
        if (height < bestHeight) {
            bestHeight = height;
            best = split;
        }
    }
    return best;
}

QPushButton* NewButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QFrame* NewBevel(const char* name, QPushButton* first, QPushButton* second, QWidget* parent) {
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(QLatin1String(name));
    bevel->setFrameShape(QFrame::StyledPanel);
    bevel->setFrameShadow(QFrame::Sunken);
    first->setParent(bevel);
    second->setParent(bevel);
    auto* row = new QHBoxLayout(bevel);
    row->setContentsMargins(4, 4, 4, 4);
    row->addWidget(first);
    row->addWidget(second);
    return bevel;
}

} // namespace

void TFormConfig::CreateControls() {
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    for (int tab = 0; tab < ConfigTabCount; ++tab) {
        QWidget* page = tab == TabConfiguration ? CreateConfigurationPage() : CreatePage(tab);
        page->setObjectName(QLatin1String(ConfigTabs()[std::size_t(tab)].objectName));
        PageControl->addTab(page, Caption(ConfigTabs()[std::size_t(tab)].caption));
    }
    Header10 = qobject_cast<QComboBox*>(Field(LanguageIndex));
    Field(LastMaintIndex)->installEventFilter(this);

    LMDProgressBar = NewWindowProgressBar(this);
    LMDStatusBar = NewWindowStatusBar(this);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(9, 9, 9, 9);
    content->addWidget(PageControl, 1);
    content->addWidget(CreateButtons());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(content, 1);
    layout->addWidget(LMDProgressBar);
    layout->addWidget(LMDStatusBar);
    // A fixed border, as the window always had.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TFormConfig::CreatePage(int tab) {
    auto* page = new QWidget(PageControl);
    std::vector<int> groups;
    for (int group = 0; group < ConfigGroupCount; ++group) {
        if (ConfigGroups()[std::size_t(group)].tab == tab)
            groups.push_back(group);
    }
    const std::size_t split = ColumnSplit(groups);
    auto* columns = new QHBoxLayout(page);
    QVBoxLayout* column = nullptr;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (i == 0 || i == split) {
            if (column)
                column->addStretch(1);
            column = new QVBoxLayout;
            columns->addLayout(column, 1);
        }
        column->addWidget(CreateGroup(groups[i], page));
    }
    if (column)
        column->addStretch(1);
    return page;
}

QGroupBox* TFormConfig::CreateGroup(int group, QWidget* parent) {
    const ConfigGroupInfo& info = ConfigGroups()[std::size_t(group)];
    auto* box = new QGroupBox(Caption(info.caption), parent);
    box->setObjectName(QLatin1String(info.objectName));
    auto* form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (const ParameterEntry& entry : ParameterTable()) {
        if (entry.group != group)
            continue;
        QWidget* field = CreateField(entry.index, box);
        if (entry.label) {
            auto* label = new QLabel(Caption(entry.label), box);
            label->setBuddy(field);
            form->addRow(label, field);
        } else {
            form->addRow(field);
        }
    }
    if (group == GroupIdentification) {
        Edit_SoftVersion = new QLineEdit(box);
        Edit_SoftVersion->setObjectName(QLatin1String(SoftVersionField));
        Edit_SoftVersion->setReadOnly(true);
        Edit_SoftVersion->setEnabled(false);
        Edit_SoftVersion->setFixedWidth(
            Edit_SoftVersion->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 14);
        form->addRow(Caption(SoftVersionLabel), Edit_SoftVersion);
    }
    return box;
}

QWidget* TFormConfig::CreateField(int index, QWidget* parent) {
    QWidget* field = NewParameterField(ParameterTable()[std::size_t(index)], parent);
    m_fields[std::size_t(index)] = field;
    return field;
}

QWidget* TFormConfig::CreateConfigurationPage() {
    auto* page = new QWidget(PageControl);
    QWidget* word = CreateField(ConfigIndex, page);
    Header03 = qobject_cast<QLineEdit*>(word);
    auto* wordRow = new QHBoxLayout;
    auto* wordLabel = new QLabel(Caption(ParameterTable()[ConfigIndex].label), page);
    wordLabel->setBuddy(word);
    wordRow->addWidget(wordLabel);
    wordRow->addWidget(word);
    wordRow->addStretch(1);

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(CreateBitGroup(GroupConfigHigh, ConfigBytesMSB, "ConfigBytesMSB", m_msbBoxes,
                                    LMDMemo2, "LMDMemo2", page));
    boxes->addWidget(CreateBitGroup(GroupConfigLow, ConfigBytesLSB, "ConfigBytesLSB", m_lsbBoxes,
                                    LMDMemo1, "LMDMemo1", page));
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(wordRow);
    layout->addLayout(boxes);
    layout->addStretch(1);
    return page;
}

QGroupBox* TFormConfig::CreateBitGroup(int group, QWidget*& checks, const char* checksName,
                                       std::array<QCheckBox*, 8>& boxes, QPlainTextEdit*& memo,
                                       const char* memoName, QWidget* parent) {
    const ConfigGroupInfo& info = ConfigGroups()[std::size_t(group)];
    auto* box = new QGroupBox(Caption(info.caption), parent);
    box->setObjectName(QLatin1String(info.objectName));

    memo = new QPlainTextEdit(box);
    memo->setObjectName(QLatin1String(memoName));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->document()->setDocumentMargin(2);
    const int line = memo->fontMetrics().lineSpacing();
    const int inset = memo->frameWidth() + 2;
    memo->setFixedHeight(8 * line + 2 * inset + 2);
    memo->setMinimumWidth(memo->fontMetrics().averageCharWidth() * MemoWidthChars);

    // One box per caption line, level with it.
    checks = new QWidget(box);
    checks->setObjectName(QLatin1String(checksName));
    auto* column = new QVBoxLayout(checks);
    column->setContentsMargins(0, inset, 0, inset);
    column->setSpacing(0);
    for (int k = 0; k < 8; ++k) {
        auto* check = new QCheckBox(checks);
        check->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(checksName)).arg(k));
        check->setFixedHeight(line);
        column->addWidget(check);
        boxes[std::size_t(k)] = check;
        connect(check, &QCheckBox::toggled, this, &TFormConfig::ConfigBytesMSBChange);
    }
    column->addStretch(1);

    auto* row = new QHBoxLayout(box);
    row->addWidget(checks, 0, Qt::AlignTop);
    row->addWidget(memo, 1, Qt::AlignTop);
    return box;
}

QWidget* TFormConfig::CreateButtons() {
    auto* buttons = new QWidget(this);
    ButtonLoad = NewButton(tr("Charger"), "ButtonLoad", buttons);
    ButtonSave = NewButton(tr("Sauver"), "ButtonSave", buttons);
    BevelLoadSave = NewBevel("BevelLoadSave", ButtonLoad, ButtonSave, buttons);
    ButtonRead = NewButton(tr("Lecture"), "ButtonRead", buttons);
    ButtonWrite = NewButton(tr("Ecriture"), "ButtonWrite", buttons);
    BevelReadWrite = NewBevel("BevelReadWrite", ButtonRead, ButtonWrite, buttons);
    ButtonInitialize = NewButton(tr("Initialiser"), "ButtonInitialize", buttons);
    ButtonInitialize->setVisible(false);
    ButtonClose = NewButton(tr("Fermer"), "ButtonClose", buttons);

    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(BevelLoadSave);
    row->addWidget(BevelReadWrite);
    row->addWidget(ButtonInitialize);
    row->addStretch(1);
    row->addWidget(ButtonClose);

    connect(ButtonLoad, &QPushButton::clicked, this, &TFormConfig::ButtonLoadClick);
    connect(ButtonSave, &QPushButton::clicked, this, &TFormConfig::ButtonSaveClick);
    connect(ButtonRead, &QPushButton::clicked, this, &TFormConfig::ButtonReadClick);
    connect(ButtonWrite, &QPushButton::clicked, this, &TFormConfig::ButtonWriteClick);
    connect(ButtonInitialize, &QPushButton::clicked, this, &TFormConfig::ButtonInitializeClick);
    connect(ButtonClose, &QPushButton::clicked, this, &TFormConfig::ButtonCloseClick);
    return buttons;
}
