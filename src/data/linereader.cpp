#include "data/linereader.h"

#include <algorithm>

namespace {

constexpr qsizetype ChunkBytes = 256 * 1024;

// A device of known size is read in chunks no larger than what is left of it
// (and one byte more, to see its end): a small file then costs a small
// buffer, not a whole chunk.
qsizetype NextChunkBytes(const QIODevice& device) {
    if (device.isSequential())
        return ChunkBytes;
    const qint64 left = device.size() - device.pos();
    return qsizetype(std::clamp<qint64>(left + 1, 1, ChunkBytes));
}

} // namespace

LineReader::LineReader(QIODevice& device)
    : m_device(device) {
}

bool LineReader::Fill() {
    if (m_deviceEnd)
        return false;
    // Drop what was consumed, so the buffer only grows for a line longer than a chunk.
    if (m_begin > 0) {
        m_buffer.remove(0, m_begin);
        m_begin = 0;
    }
    const qsizetype kept = m_buffer.size();
    const qsizetype chunk = NextChunkBytes(m_device);
    m_buffer.resize(kept + chunk);
    const qint64 got = m_device.read(m_buffer.data() + kept, chunk);
    if (got < 0) {
        m_failed = true;
        m_deviceEnd = true;
        m_buffer.resize(kept);
        return false;
    }
    m_buffer.resize(kept + got);
    if (got == 0)
        m_deviceEnd = true;
    return got > 0;
}

bool LineReader::ReadLine(QByteArrayView& line) {
    qsizetype searchFrom = m_begin;
    for (;;) {
        const char* base = m_buffer.constData();
        const qsizetype end = m_buffer.size();
        qsizetype i = searchFrom;
        while (i < end && base[i] != '\n' && base[i] != '\r')
            ++i;
        // A CR at the end of the buffer may have its LF in the next chunk.
        const bool needMore = i == end || (base[i] == '\r' && i + 1 == end);
        if (needMore && !m_deviceEnd) {
            const qsizetype offset = i - m_begin;
            Fill();
            searchFrom = m_begin + offset;
            continue;
        }
        if (i == end && m_begin == end)
            return false;
        qsizetype next = i;
        if (i < end) {
            ++next;
            if (base[i] == '\r' && next < end && base[next] == '\n')
                ++next;
        }
        line = QByteArrayView(base + m_begin, i - m_begin);
        m_consumed += next - m_begin;
        m_begin = next;
        ++m_lineNumber;
        return true;
    }
}

bool LineReader::AtEnd() {
    if (m_begin < m_buffer.size())
        return false;
    return !Fill();
}

qint64 LineReader::BytesLeft() const {
    const qint64 size = m_device.size();
    return size > m_consumed ? size - m_consumed : 0;
}
