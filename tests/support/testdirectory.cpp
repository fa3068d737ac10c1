#include "testdirectory.h"

#include <QDir>
#include <QFile>

TestDirectory::TestDirectory()
    : m_dir(QDir::tempPath() + QStringLiteral("/ovra-test-XXXXXX")) {
}

QString TestDirectory::Path() const {
    return QDir::toNativeSeparators(m_dir.path());
}

QString TestDirectory::FilePath(const QString& name) const {
    return QDir::toNativeSeparators(m_dir.filePath(name));
}

QString TestDirectory::PathWithSeparator() const {
    return Path() + QDir::separator();
}

void TestDirectory::Prepare(Context& context) const {
    context.ProgramDirectory = Path();
}

void TestDirectory::WriteSettings(const QStringList& lines) const {
    WriteBytes(QStringLiteral("ovra.ini"), (lines.join(QStringLiteral("\r\n")) + "\r\n").toUtf8());
}

QByteArray TestDirectory::ReadBytes(const QString& name) const {
    QFile file(FilePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestDirectory::WriteBytes(const QString& name, const QByteArray& bytes) const {
    QFile file(FilePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QString TestDirectory::CopySample(const QString& sample, const QString& name) const {
    const QString target = FilePath(name.isEmpty() ? sample + QStringLiteral(".ovra") : name);
    QFile::remove(target);
    QFile::copy(SamplePath(sample), target);
    return target;
}

QString TestDirectory::MakeSubdirectory(const QString& name) const {
    QDir(m_dir.path()).mkpath(name);
    return FilePath(name);
}

QString SamplePath(const QString& sample) {
    return QStringLiteral(OVRA_TEST_DATA "/") + sample + QStringLiteral(".ovra");
}
