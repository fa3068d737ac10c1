#pragma once

// The edit field of one parameter, made from its row of the parameter table:
// a line edit whose validator accepts what the format admits while typing, a
// spin box, a drop-down list or a multi-line text. A text placed into a field
// is never re-formatted: what the instrument sent, or what the program
// stamped, is what the field gives back until the user changes it.

#include <QSpinBox>
#include <QString>

struct ParameterEntry;
class QWidget;

// The regular expression a line edit of this row accepts while typing (the
// whole text, partial input included); empty when any text of the row's
// length goes.
QString ParameterInputPattern(const ParameterEntry& entry);
// False for a date, time or month not yet typed in full: "6/20" is no month.
// A launch date keeps its two-digit year.
bool ParameterTextComplete(const ParameterEntry& entry, const QString& text);

QWidget* NewParameterField(const ParameterEntry& entry, QWidget* parent);

// The text of a line edit, a spin box or a multi-line text (its line breaks
// as "\n"). Not for the drop-down list, which holds an item number.
QString ParameterFieldText(const QWidget* field);
void SetParameterFieldText(QWidget* field, const QString& text);

// A spin box that gives back the text placed into it while its value has not
// been changed since: a stored "0250" or "1500" survives a look at the window.
class ParameterSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit ParameterSpinBox(QWidget* parent = nullptr);

    void SetPlacedText(const QString& text);
    QString FieldText() const;

private:
    QString m_placed;
    bool m_placedKept = false;
};
