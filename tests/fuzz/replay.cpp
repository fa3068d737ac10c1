// Runs a fuzz target over files instead of under the fuzzer: every input of
// its corpus (or the files and folders named on the command line) once, in
// order. The ordinary build registers this as a test, so the corpus, with
// the inputs that once found a fault, is checked on every run of the suite.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    QStringList roots;
    for (int i = 1; i < argc; ++i)
        roots << QString::fromLocal8Bit(argv[i]);
    if (roots.isEmpty())
        roots << QStringLiteral(OVRA_FUZZ_CORPUS);

    QStringList files;
    for (const QString& root : roots) {
        if (QFileInfo(root).isDir()) {
            QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next();
        } else {
            files << root;
        }
    }
    files.sort();
    if (files.isEmpty()) {
        std::fprintf(stderr, "no input in %s\n", qUtf8Printable(roots.join(QLatin1Char(' '))));
        return 1;
    }
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qUtf8Printable(path));
            return 1;
        }
        const QByteArray input = file.readAll();
        // Named first, so an abort in the target says which input did it.
        std::fprintf(stderr, "%s\n", qUtf8Printable(path));
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()),
                               size_t(input.size()));
    }
    std::printf("%lld passed, 0 failed\n", (long long)files.size());
    return 0;
}
