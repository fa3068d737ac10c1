#pragma once

// The sessions behind the sample files of tests/data. The files were written
// from these by our own writer (ovra_make_samples), so a test can write a
// session again and expect the very same bytes.

#include "data/varia.h"

#include <QString>
#include <QStringList>

// The sample names, e.g. "rolle3" for tests/data/rolle3.ovra.
QStringList SampleNames();
Session SampleSession(const QString& name);
// The decimal separator the sample file was written with.
char SampleDecimalSeparator(const QString& name);
