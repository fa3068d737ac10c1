#pragma once

// Parameter values the instrument could not give back, shared by the tests of
// the command-line tool and of the configuration window: each must be refused
// before a byte is sent, with its key and its reason named. A road that cannot
// carry a value (a parameter file holds no line feed) tries the others.

#include <QList>
#include <QString>

struct RefusedValueCase {
    const char* name;
    int key; // 1-based, as in parameter files
    QString value;
    QString reason; // the line naming it: "KEY NAME : reason"
};

inline QList<RefusedValueCase> RefusedValueCases() {
    const QString control = QStringLiteral("1 #DEVICE : contient un caractère de contrôle");
    return {
        {"40 characters", 1, QString(40, QLatin1Char('x')),
         QStringLiteral("1 #DEVICE : plus de 31 caractères")},
        {"separator in the comment", 64, QStringLiteral("Cave;Maison"),
         QStringLiteral("64 COMMENTS : contient « ; »")},
        {"carriage return", 1, QStringLiteral("a\rb"), control},
        {"line feed", 1, QStringLiteral("a\nb"), control},
        {"NUL", 1, QStringLiteral("a") + QChar(0) + QStringLiteral("b"), control},
        {"escape", 1, QStringLiteral("\x1b[0m"), control},
        {"TAB outside the comment", 1, QStringLiteral("a\tb"), control},
        {"no Windows-1252 byte", 1, QStringLiteral("Ω"),
         QStringLiteral("1 #DEVICE : contient un caractère hors de Windows-1252")},
    };
}
