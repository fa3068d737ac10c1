#include "ui/instrument/configfield.h"

#include "config/parametertable.h"
#include "config/parametervalues.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QValidator>

namespace {

// Widest field drawn, in characters: longer values scroll.
constexpr int WidestFieldChars = 16;
constexpr int FieldPaddingPixels = 14;
constexpr int CommentLines = 4;

// Any number of digits, at most `decimals` after the point (-1: any). The
// instrument's numbers use ".", whatever the user's regional settings.
QString DecimalPattern(int decimals) {
    const QString fraction =
        decimals < 0 ? QStringLiteral("\\d*") : QStringLiteral("\\d{0,%1}").arg(decimals);
    return QStringLiteral("[-+]?\\d*(\\.%1)?").arg(fraction);
}

// The whole pattern holds at most `length` characters.
QString Limited(const QString& pattern, int length) {
    if (length <= 0)
        return pattern;
    return QStringLiteral("(?=.{0,%1}$)%2").arg(length).arg(pattern);
}

QString Placeholder(FieldFormat format) {
    switch (format) {
    case FieldFormat::DateMask:
        return QCoreApplication::translate("TFormConfig", "jj/mm/aaaa");
    case FieldFormat::TimeMask:
        return QCoreApplication::translate("TFormConfig", "hh:mm");
    case FieldFormat::MonthMask:
        return QCoreApplication::translate("TFormConfig", "mm/aaaa");
    default:
        return QString();
    }
}

int FieldWidth(const QWidget& field, int chars) {
    const int shown = qBound(3, chars, WidestFieldChars);
    return field.fontMetrics().horizontalAdvance(QString(shown, QLatin1Char('0'))) +
           FieldPaddingPixels;
}

// The whole text; an empty pattern stays empty (any text goes).
QRegularExpression Anchored(const QString& pattern) {
    return QRegularExpression(pattern.isEmpty() ? pattern
                                                : QRegularExpression::anchoredPattern(pattern));
}

QString CompletePattern(FieldFormat format) {
    switch (format) {
    case FieldFormat::DateMask:
        return QStringLiteral("\\d{2}/\\d{2}/(\\d{2}|\\d{4})");
    case FieldFormat::TimeMask:
        return QStringLiteral("\\d{2}:\\d{2}");
    case FieldFormat::MonthMask:
        return QStringLiteral("\\d{2}/\\d{4}");
    default:
        return QString();
    }
}

// Refuses as it is typed or pasted what the instrument could not give back,
// then what the format does not admit; a date or time on its way is
// Intermediate.
class ParameterValueValidator : public QValidator {
public:
    ParameterValueValidator(const ParameterEntry& entry, QObject* parent)
        : QValidator(parent)
        , m_entry(entry)
        , m_input(Anchored(ParameterInputPattern(entry))) {}

    State validate(QString& input, int&) const override {
        if (ParameterValueFault(m_entry.index, input) != ValueFault::None)
            return Invalid;
        if (!m_input.pattern().isEmpty() && !m_input.match(input).hasMatch())
            return Invalid;
        return ParameterTextComplete(m_entry, input) ? Acceptable : Intermediate;
    }

private:
    ParameterEntry m_entry;
    QRegularExpression m_input;
};

} // namespace

bool ParameterTextComplete(const ParameterEntry& entry, const QString& text) {
    const QString pattern = CompletePattern(entry.format);
    return pattern.isEmpty() || Anchored(pattern).match(text).hasMatch();
}

QString ParameterInputPattern(const ParameterEntry& entry) {
    switch (entry.format) {
    case FieldFormat::Text:
        return Limited(QStringLiteral(".*"), entry.length);
    case FieldFormat::Integer:
        return Limited(QStringLiteral("\\d*"), entry.length);
    case FieldFormat::Fixed:
    case FieldFormat::Decimal:
        return Limited(DecimalPattern(entry.decimals), entry.length);
    case FieldFormat::DateMask:
        // Day, month and a year of up to four digits: the launch date is
        // stamped with a two-digit year.
        return QStringLiteral("\\d{0,2}(/\\d{0,2}(/\\d{0,4})?)?");
    case FieldFormat::TimeMask:
        return QStringLiteral("\\d{0,2}(:\\d{0,2})?");
    case FieldFormat::MonthMask:
        return QStringLiteral("\\d{0,2}(/\\d{0,4})?");
    default:
        return QString();
    }
}

QWidget* NewParameterField(const ParameterEntry& entry, QWidget* parent) {
    QWidget* field = nullptr;
    switch (entry.format) {
    case FieldFormat::None:
        return nullptr;
    case FieldFormat::List: {
        auto* list = new QComboBox(parent);
        for (const char* item : LanguageItems())
            list->addItem(QCoreApplication::translate("TFormConfig", item));
        field = list;
        break;
    }
    case FieldFormat::SpinBox: {
        auto* spin = new ParameterSpinBox(parent);
        spin->setMinimumWidth(FieldWidth(*spin, entry.length) + 24);
        field = spin;
        break;
    }
    case FieldFormat::MultiLine: {
        auto* text = new QPlainTextEdit(parent);
        text->setTabChangesFocus(true);
        text->setFixedHeight(text->fontMetrics().lineSpacing() * CommentLines + 12);
        field = text;
        break;
    }
    default: {
        auto* edit = new QLineEdit(parent);
        edit->setValidator(new ParameterValueValidator(entry, edit));
        edit->setPlaceholderText(Placeholder(entry.format));
        edit->setFixedWidth(FieldWidth(*edit, entry.length > 0 ? entry.length : 10));
        if (entry.format == FieldFormat::ConfigWord)
            edit->setReadOnly(true);
        field = edit;
        break;
    }
    }
    field->setObjectName(QLatin1String(entry.field));
    return field;
}

QString ParameterFieldText(const QWidget* field) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(field))
        return edit->text();
    if (const auto* spin = qobject_cast<const ParameterSpinBox*>(field))
        return spin->FieldText();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(field))
        return text->toPlainText();
    return QString();
}

void SetParameterFieldText(QWidget* field, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    } else if (auto* spin = qobject_cast<ParameterSpinBox*>(field)) {
        spin->SetPlacedText(text);
    } else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(field)) {
        multiLine->setPlainText(text);
    }
}

ParameterSpinBox::ParameterSpinBox(QWidget* parent)
    : QSpinBox(parent) {
    setRange(0, SpinBoxMaximum);
    setSingleStep(SpinBoxStep);
    setAlignment(Qt::AlignRight);
    connect(this, &QSpinBox::valueChanged, this, [this] { m_placedKept = false; });
}

void ParameterSpinBox::SetPlacedText(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    setValue(ok ? value : 0);
    m_placed = text;
    m_placedKept = true;
}

QString ParameterSpinBox::FieldText() const {
    return m_placedKept ? m_placed : QString::number(value());
}
