#include "settings/recentfiles.h"

#include "data/windows1252.h"
#include "settings/profile.h"
#include "settings/settings.h"

#include <QDir>

namespace {

const char* const RecentSection = "RecentFiles";

QString RecentKey(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

Qt::CaseSensitivity PathCase() {
#ifdef Q_OS_WIN
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

bool SamePath(const QString& a, const QString& b) {
    return QDir::cleanPath(QDir::fromNativeSeparators(a))
               .compare(QDir::cleanPath(QDir::fromNativeSeparators(b)), PathCase()) == 0;
}

bool Storable(const QString& path) {
    return DecodeWindows1252(EncodeWindows1252(path)) == path;
}

} // namespace

QStringList RemoveRecentFile(const QStringList& files, const QString& path) {
    QStringList kept;
    for (const QString& file : files) {
        if (!SamePath(file, path))
            kept << file;
    }
    return kept;
}

QStringList AddRecentFile(const QStringList& files, const QString& path) {
    if (path.isEmpty())
        return files;
    QStringList list = RemoveRecentFile(files, path);
    list.prepend(path);
    return list.mid(0, RecentFileLimit);
}

QStringList ReadRecentFiles(const Context& context) {
    const ProfileFile settings = ReadSettingsFile(context);
    QStringList files;
    for (int i = 0; i < RecentFileLimit; ++i) {
        const QString file =
            settings.String(QLatin1String(RecentSection), RecentKey(i), QString()).trimmed();
        if (!file.isEmpty() && RemoveRecentFile(files, file).size() == files.size())
            files << file;
    }
    return files;
}

bool WriteRecentFiles(const Context& context, const QStringList& files) {
    QStringList storable;
    for (const QString& file : files) {
        if (Storable(file) && storable.size() < RecentFileLimit)
            storable << file;
    }
    // One write for the whole list: a refused write keeps the previous list whole.
    ProfileKeyValues keys;
    for (int i = 0; i < RecentFileLimit; ++i)
        keys.emplace_back(RecentKey(i), storable.value(i));
    return WriteProfileStrings(SettingsFileName(context), QLatin1String(RecentSection), keys);
}
