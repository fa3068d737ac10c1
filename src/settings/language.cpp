#include "settings/language.h"

#include "settings/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QMutex>
#include <QTranslator>

// glibc carries gettext in the C library itself; elsewhere (Windows) the
// lookups are left out, which is what they amount to without a catalogue.
#if defined(__GLIBC__)
#include <libintl.h>
#define OVRA_HAS_GETTEXT 1
#endif

namespace {

struct LanguageEntry {
    int localeId;
    const char* abbreviation;
    QLocale::Language language;
    QLocale::Territory territory;
};

// Our own table: the platform's names for the two languages the program knows.
constexpr LanguageEntry Languages[] = {
    {EnglishLocaleId, "ENG", QLocale::English, QLocale::UnitedKingdom},
    {FrenchLocaleId, "FRA", QLocale::French, QLocale::France},
};

const LanguageEntry* FindLanguage(int localeId) {
    for (const LanguageEntry& entry : Languages)
        if (entry.localeId == localeId)
            return &entry;
    return nullptr;
}

// The serial layer's own texts have their catalogue domain.
const char* DomainOf(const char* context) {
    return qstrcmp(context, "QtSerialPortBackend") == 0 ? "cport" : "default";
}

} // namespace

int SelectedLocaleId(const QString& langue) {
    return langue == QLatin1String("English") ? EnglishLocaleId : FrenchLocaleId;
}

int RunLocaleId(const Context& context, const QLocale& system) {
    if (const std::optional<QString> langue = ReadStoredSetting(context, SettingKeys::Langue))
        return SelectedLocaleId(*langue);
    return system.language() == QLocale::French ? FrenchLocaleId : EnglishLocaleId;
}

QLocale SystemMessagesLocale() {
    const QStringList languages = QLocale::system().uiLanguages();
    return languages.isEmpty() ? QLocale::system() : QLocale(languages.first());
}

QString LangueValue(int localeId) {
    return localeId == EnglishLocaleId ? QStringLiteral("English") : QStringLiteral("Francais");
}

QString LanguageAbbreviation(int localeId) {
    const LanguageEntry* entry = FindLanguage(localeId);
    return entry ? QLatin1String(entry->abbreviation) : QString();
}

QStringList LanguageModuleFiles(const QString& programFile, int localeId) {
    const QString abbreviation = LanguageAbbreviation(localeId);
    if (abbreviation.isEmpty())
        return {};
    const QFileInfo program(programFile);
    // "ovraview2.exe" and "ovraview2" both give "ovraview2.ENG". A module
    // beside the program wins, so a build tree or a copied folder keeps its
    // own; an installed program finds the one of its package in the shared
    // data folder, which Debian keeps out of /usr/bin.
    const QString name = program.completeBaseName();
    QStringList files;
    for (const QString& folder :
         {program.path(), program.dir().filePath(QStringLiteral(OVRA_SHARED_DATA_FROM_PROGRAM))}) {
        const QString base = QDir::cleanPath(QDir(folder).filePath(name));
        files << base + QLatin1Char('.') + abbreviation
              << base + QLatin1Char('.') + abbreviation.left(2);
    }
    return files;
}

QString CatalogueText(const char* domain, const QString& text) {
#ifdef OVRA_HAS_GETTEXT
    const QByteArray id = text.toUtf8();
    const char* found = dgettext(domain, id.constData());
    // gettext gives back the very pointer it was handed when it has nothing.
    if (found && found != id.constData())
        return QString::fromUtf8(found);
#else
    Q_UNUSED(domain);
#endif
    return text;
}

// The one translator the application sees. It asks the module, then Qt's
// own translation, passes the program's texts through the gettext
// catalogues, and remembers which source gave each text.
class LanguageModules::Recorder : public QTranslator {
public:
    std::unique_ptr<QTranslator> module;
    std::unique_ptr<QTranslator> qt;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        if (!source)
            return QString();
        QString text;
        if (qt)
            text = qt->translate(context, source, disambiguation, n);
        const bool qtOwn = !text.isEmpty();
        if (!qtOwn && module)
            text = module->translate(context, source, disambiguation, n);
        if (!qtOwn) {
            const QString base = text.isEmpty() ? QString::fromUtf8(source) : text;
            const QString catalogued = Catalogued(context, base);
            if (catalogued != base)
                text = catalogued;
        }
        QMutexLocker lock(&m_mutex);
        m_sources.insert(text.isEmpty() ? QString::fromUtf8(source) : text,
                         SourceText{context, source, disambiguation});
        return text;
    }

    std::optional<SourceText> SourceOf(const QString& shown) const {
        QMutexLocker lock(&m_mutex);
        const auto found = m_sources.constFind(shown);
        if (found == m_sources.constEnd())
            return std::nullopt;
        return *found;
    }

private:
    // The serial layer's texts are looked up once, then kept.
    QString Catalogued(const char* context, const QString& text) const {
        const char* domain = DomainOf(context);
        if (qstrcmp(domain, "cport") != 0)
            return CatalogueText(domain, text);
        QMutexLocker lock(&m_mutex);
        auto found = m_cport.constFind(text);
        if (found == m_cport.constEnd())
            found = m_cport.insert(text, CatalogueText(domain, text));
        return *found;
    }

    mutable QMutex m_mutex;
    mutable QHash<QString, SourceText> m_sources;
    mutable QHash<QString, QString> m_cport;
};

LanguageModules::LanguageModules(const QString& programFile)
    : m_recorder(std::make_unique<Recorder>())
    , m_programFile(programFile) {
    QCoreApplication::installTranslator(m_recorder.get());
}

LanguageModules::~LanguageModules() {
    QCoreApplication::removeTranslator(m_recorder.get());
}

bool LanguageModules::Load(int localeId) {
    const LanguageEntry* entry = FindLanguage(localeId);
    if (!entry)
        return false;
    const QLocale locale(entry->language, entry->territory);
    auto qt = std::make_unique<QTranslator>();
    // Debian's translations, else a "translations" folder beside the program.
    const bool qtFound =
        qt->load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt->load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                 QFileInfo(m_programFile).dir().filePath(QStringLiteral("translations")));
    m_recorder->qt = qtFound ? std::move(qt) : nullptr;

    bool moduleFound = false;
    for (const QString& file : LanguageModuleFiles(m_programFile, localeId)) {
        auto module = std::make_unique<QTranslator>();
        if (QFileInfo(file).isFile() && module->load(file)) {
            m_recorder->module = std::move(module);
            moduleFound = true;
            break;
        }
    }
    // Windows and Qt's own widgets hear that the texts have changed.
    QCoreApplication::removeTranslator(m_recorder.get());
    QCoreApplication::installTranslator(m_recorder.get());
    return moduleFound;
}

QString LanguageModules::ModuleFile() const {
    return m_recorder->module ? m_recorder->module->filePath() : QString();
}

bool LanguageModules::QtTranslationLoaded() const {
    return m_recorder->qt != nullptr;
}

std::optional<SourceText> LanguageModules::SourceOf(const QString& shown) const {
    return m_recorder->SourceOf(shown);
}
