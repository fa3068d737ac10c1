#include "fuzzsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <cstdlib>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define OVRA_FUZZ_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define OVRA_FUZZ_ASAN 1
#endif

#ifdef OVRA_FUZZ_ASAN
// The sanitizer runtime's allocator hooks; declared here because gcc ships
// no header for them.
extern "C" {
int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void*, size_t),
                                              void (*free_hook)(const volatile void*));
size_t __sanitizer_get_allocated_size(const volatile void* pointer);
}
#endif

namespace fuzz {

namespace {

// In memory where the system offers it: every save syncs its file to disk,
// which on a disk costs more than the whole input.
QTemporaryDir& Scratch() {
    static QTemporaryDir directory(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                       ? QStringLiteral("/dev/shm/ovra-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/ovra-fuzz-XXXXXX"));
    return directory;
}

} // namespace

void EnsureApplication() {
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "ovra-fuzz";
    static char* argv[] = {name, nullptr};
    // Kept for the whole run: the event loops of the link need it.
    static QCoreApplication application(argc, argv);
}

QString ScratchPath(const QString& fileName) {
    Check(Scratch().isValid(), "no scratch folder");
    return Scratch().filePath(fileName);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    Check(file.open(QIODevice::ReadOnly), "scratch file unreadable", path);
    return file.readAll();
}

void PutFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
              file.write(bytes) == bytes.size(),
          "scratch file unwritable", path);
}

void Check(bool condition, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "FUZZ FINDING: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

void Check(bool condition, const char* what, const QString& detail) {
    if (condition)
        return;
    std::fprintf(stderr, "FUZZ FINDING: %s: %s\n", what, qUtf8Printable(detail));
    std::fflush(stderr);
    std::abort();
}

#ifdef OVRA_FUZZ_ASAN

namespace {

std::atomic<bool> g_armed{false};
std::atomic<long long> g_held{0};
std::atomic<long long> g_peak{0};

void OnAllocate(const volatile void*, std::size_t size) {
    if (!g_armed.load(std::memory_order_relaxed))
        return;
    const long long held = g_held += (long long)size;
    long long peak = g_peak.load(std::memory_order_relaxed);
    while (held > peak && !g_peak.compare_exchange_weak(peak, held))
        ;
}

void OnFree(const volatile void* pointer) {
    if (!g_armed.load(std::memory_order_relaxed) || pointer == nullptr)
        return;
    g_held -= (long long)__sanitizer_get_allocated_size(pointer);
}

} // namespace

bool AllocationGauge::Available() {
    static const bool installed = __sanitizer_install_malloc_and_free_hooks(OnAllocate, OnFree);
    return installed;
}

void AllocationGauge::Start() {
    Available();
    g_held = 0;
    g_peak = 0;
    g_armed = true;
}

std::size_t AllocationGauge::Stop() {
    g_armed = false;
    return std::size_t(g_peak.load());
}

#else

bool AllocationGauge::Available() {
    return false;
}

void AllocationGauge::Start() {
}

std::size_t AllocationGauge::Stop() {
    return 0;
}

#endif

} // namespace fuzz
