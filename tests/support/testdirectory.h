#pragma once

// A program directory of one test's own: its settings file, the sample files
// it copies there and the files it writes, removed at the end of the test.

#include "data/varia.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TestDirectory {
public:
    TestDirectory();

    bool IsValid() const { return m_dir.isValid(); }
    // With the native separator and no trailing one.
    QString Path() const;
    QString FilePath(const QString& name) const;
    // The directory part as the program keeps it: with a trailing separator.
    QString PathWithSeparator() const;

    // A context whose ProgramDirectory is this directory.
    void Prepare(Context& context) const;
    // Replaces the settings file "ovra.ini" with these lines (CR LF added).
    void WriteSettings(const QStringList& lines) const;
    QByteArray ReadBytes(const QString& name) const;
    void WriteBytes(const QString& name, const QByteArray& bytes) const;
    // Copies tests/data/<sample>.ovra here, under `name` when given; returns
    // the copy's path.
    QString CopySample(const QString& sample, const QString& name = QString()) const;
    QString MakeSubdirectory(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// The path of a sample file of tests/data, e.g. SamplePath("rolle3").
QString SamplePath(const QString& sample);
