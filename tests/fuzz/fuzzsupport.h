#pragma once

// What every fuzz target shares: the one application object that Qt's event
// loops and timers need, a private scratch folder for the files a target
// reads and writes, a check that stops the run with what broke, and a gauge
// of the memory a call takes.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// Creates the application once; every target calls it before its first input.
void EnsureApplication();
// A folder of this process, removed at exit.
QString ScratchPath(const QString& fileName);
QByteArray FileBytes(const QString& path);
void PutFileBytes(const QString& path, const QByteArray& bytes);

// Aborts with `what` when `condition` fails: the fuzzer keeps the input that did it.
void Check(bool condition, const char* what);
void Check(bool condition, const char* what, const QString& detail);

// The most memory held at once, above what was held when Start was called,
// while a call runs. Measured only in builds with the address sanitizer;
// elsewhere Available() is false.
class AllocationGauge {
public:
    static bool Available();
    void Start();
    // Peak bytes held above the start since Start.
    std::size_t Stop();
};

} // namespace fuzz
