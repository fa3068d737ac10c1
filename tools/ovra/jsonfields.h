#pragma once

// Fields that every JSON output of the tool writes the same way.

#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// A date as the instrument and the files give it ("dd/mm/yyyy hh:nn") stays
// as it is under `key`; `key` + "_iso" adds it in ISO 8601, or null when the
// text is not a date.
inline void AddDateFields(QJsonObject& object, const QString& key, const QString& text) {
    object.insert(key, text);
    const QDateTime when = QDateTime::fromString(text, QStringLiteral("dd/MM/yyyy HH:mm"));
    object.insert(key + QStringLiteral("_iso"),
                  when.isValid() ? QJsonValue(when.toString(QStringLiteral("yyyy-MM-ddTHH:mm")))
                                 : QJsonValue(QJsonValue::Null));
}
