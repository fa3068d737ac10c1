// Loading a parameter file (".par") of any content, then saving the set it
// gave into that file. Loading says which keys were missing and gives "0"
// for them; the saved file loads back to the same set with no key missing,
// keeps every line that is not a key, and saving again changes nothing.

#include "fuzzsupport.h"

#include "config/parameterfile.h"

#include <QList>

namespace {

// The lines that hold no key, as the profile functions split them: a save
// must keep them all, in their order.
QList<QByteArray> LinesWithoutKey(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype begin = 0;
    while (begin < bytes.size()) {
        qsizetype end = begin;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const QByteArray line = bytes.mid(begin, end - begin);
        if (!line.contains('='))
            lines.append(line);
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
            bytes[end + 1] == '\n')
            ++end;
        begin = end + 1;
    }
    return lines;
}

bool KeptInOrder(const QList<QByteArray>& kept, const QList<QByteArray>& in) {
    qsizetype at = 0;
    for (const QByteArray& line : in) {
        if (at < kept.size() && line == kept[at])
            ++at;
    }
    return at == kept.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::EnsureApplication();
    const QByteArray original(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = fuzz::ScratchPath(QStringLiteral("input.par"));
    fuzz::PutFileBytes(path, original);

    const ParameterFileContent loaded = LoadParameterFile(path);
    fuzz::Check(loaded.readable, "a scratch parameter file is unreadable");
    int previous = -1;
    for (const int index : loaded.missing) {
        fuzz::Check(index > previous && index < ParameterCount &&
                        loaded.values[std::size_t(index)] == QLatin1String("0"),
                    "a missing key listed wrongly or not read as \"0\"");
        previous = index;
    }

    fuzz::Check(SaveParameterFile(path, loaded.values), "a scratch parameter file cannot be saved");
    const QByteArray saved = fuzz::FileBytes(path);
    const ParameterFileContent again = LoadParameterFile(path);
    fuzz::Check(again.values == loaded.values && again.missing.empty(),
                "a saved parameter file loads back different");
    fuzz::Check(KeptInOrder(LinesWithoutKey(original), LinesWithoutKey(saved)),
                "a save lost a line that holds no key");
    fuzz::Check(SaveParameterFile(path, loaded.values) && fuzz::FileBytes(path) == saved,
                "saving the same set again changed the file");
    return 0;
}
