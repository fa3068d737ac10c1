#include "config/parametervalues.h"

#include "config/parametertable.h"
#include "data/windows1252.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

ValueFault CharacterFault(int index, QChar c) {
    if (c == QLatin1Char(';'))
        return ValueFault::Separator;
    // COMMENTS keeps its line breaks as TABs.
    if (c == QLatin1Char('\t') && index == CommentsIndex)
        return ValueFault::None;
    if (c.category() == QChar::Other_Control)
        return ValueFault::Control;
    if (!HasWindows1252Byte(c))
        return ValueFault::OutsideCodePage;
    return ValueFault::None;
}

QString FaultText(ValueFault fault) {
    switch (fault) {
    case ValueFault::TooLong:
        return QCoreApplication::translate("ParameterValues", "plus de %1 caractères")
            .arg(ParameterValueMaxLength);
    case ValueFault::Separator:
        return QCoreApplication::translate("ParameterValues", "contient « ; »");
    case ValueFault::Control:
        return QCoreApplication::translate("ParameterValues", "contient un caractère de contrôle");
    case ValueFault::OutsideCodePage:
        return QCoreApplication::translate("ParameterValues",
                                           "contient un caractère hors de Windows-1252");
    case ValueFault::None:
        break;
    }
    return QString();
}

} // namespace

ValueFault ParameterValueFault(int index, QStringView value) {
    for (const QChar c : value) {
        if (const ValueFault fault = CharacterFault(index, c); fault != ValueFault::None)
            return fault;
    }
    return value.size() > ParameterValueMaxLength ? ValueFault::TooLong : ValueFault::None;
}

std::vector<RefusedValue> RefusedParameterValues(const ParameterSet& values) {
    std::vector<RefusedValue> refused;
    for (int i = 0; i < ParameterCount; ++i) {
        if (const ValueFault fault = ParameterValueFault(i, values[std::size_t(i)]);
            fault != ValueFault::None)
            refused.push_back({i, fault});
    }
    return refused;
}

QString RefusedValuesText(const std::vector<RefusedValue>& refused) {
    QStringList lines;
    for (const RefusedValue& value : refused)
        lines << QCoreApplication::translate("ParameterValues", "%1 %2 : %3")
                     .arg(value.index + 1)
                     .arg(ParameterNames()[std::size_t(value.index)], FaultText(value.fault));
    return lines.join(QLatin1Char('\n'));
}
