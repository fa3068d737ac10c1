#include "data/linereader.h"

#include <cstring>

namespace {
constexpr qsizetype ChunkBytes = 256 * 1024;
}

LineReader::LineReader(QIODevice& device)
    : m_device(device) {
    m_buffer.reserve(ChunkBytes);
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
    m_buffer.resize(kept + ChunkBytes);
    const qint64 got = m_device.read(m_buffer.data() + kept, ChunkBytes);
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
