#pragma once

// The language of a run: the "Langue" setting, the language module beside the
// program file (a compiled Qt Linguist file, read as data only) and Qt's own
// translation of the same language. The built-in texts are French; a module
// replaces them. The window program and the command-line tool share it.

#include "data/varia.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// Locale identifiers carried by the two language items.
inline constexpr int EnglishLocaleId = 2057; // English, United Kingdom
inline constexpr int FrenchLocaleId = 1036;  // French, France

// Only the exact text "English" selects English; "english" or "Anglais" select French.
int SelectedLocaleId(const QString& langue);
// The language of a run: the "Langue" setting when the settings file has
// one, whatever its value; without it, the system's, so that a first start
// speaks the user's language: French on a French system, English on any other.
int RunLocaleId(const Context& context, const QLocale& system);
// The language the system speaks to the user in (LANGUAGE, LC_MESSAGES ...),
// which may differ from the one its numbers are written in.
QLocale SystemMessagesLocale();
// The "Langue" value that selects a locale: "English" or "Francais".
QString LangueValue(int localeId);
// The three-letter language abbreviation ("ENG", "FRA"); empty for a locale
// we do not know.
QString LanguageAbbreviation(int localeId);
// The module files tried for a locale, in order: the program file with its
// extension replaced by the abbreviation, then by its first two letters; then
// the same two names in the installed data folder ("../share/ovraview2" from
// the program's folder).
QStringList LanguageModuleFiles(const QString& programFile, int localeId);

// What a text on screen was made from: the context and source text of the
// lookup that gave it.
struct SourceText {
    QByteArray context;
    QByteArray source;
    QByteArray disambiguation;
};

class LanguageModules {
public:
    // `programFile` names the modules: the window program's own file, or for
    // the command-line tool the window program's file beside it. Every text
    // looked up from now on is remembered, so that a window can be read again
    // from another module.
    explicit LanguageModules(const QString& programFile);
    ~LanguageModules();
    LanguageModules(const LanguageModules&) = delete;
    LanguageModules& operator=(const LanguageModules&) = delete;

    // Makes `localeId` the language in use: Qt's own translation of it, and
    // its module when one can be loaded, which then replaces the module
    // loaded before. False when no module was found: the texts stay those in use.
    bool Load(int localeId);
    // The module in use; empty for the built-in French texts.
    QString ModuleFile() const;
    // Whether Qt's own translation of the language in use was found.
    bool QtTranslationLoaded() const;
    std::optional<SourceText> SourceOf(const QString& shown) const;

private:
    class Recorder;
    std::unique_ptr<Recorder> m_recorder;
    QString m_programFile;
};

// The text through the GNU gettext catalogue of `domain` ("default" for the
// string table, "cport" for the serial layer's own texts). No catalogue is
// shipped: without one the text comes back unchanged.
QString CatalogueText(const char* domain, const QString& text);
