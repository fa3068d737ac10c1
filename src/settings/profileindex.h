#pragma once

// The parsed form of a profile file behind profile.h: its lines, each
// section's extent, and the names of its sections and keys folded for the
// case-insensitive matching, so that a lookup costs no new reading.

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <vector>

struct ProfileLine {
    qsizetype begin = 0; // first byte of the line
    qsizetype end = 0;   // first byte of its terminator
    qsizetype next = 0;  // first byte of the following line
    bool utf8 = true;    // its bytes are valid UTF-8 (any ASCII line is)
};

struct ProfileKey {
    qsizetype line = -1;
    QByteArrayView key;   // as the file spells it, without the blanks around it
    QByteArrayView value; // raw, see IsKeyLine
};

class ProfileIndex {
public:
    ProfileIndex() = default;
    explicit ProfileIndex(QByteArray bytes);

    const QByteArray& Bytes() const { return m_bytes; }
    const std::vector<ProfileLine>& Lines() const { return m_lines; }
    QByteArrayView Content(const ProfileLine& line) const;
    // The line's bytes as text: UTF-8 when they are valid UTF-8, else Windows-1252.
    static QString Decode(const ProfileLine& line, QByteArrayView bytes);

    // The first section of that name, -1 when there is none.
    int FindSection(const QString& section) const;
    // The first key of that name in section s; line -1 when there is none.
    ProfileKey FindKey(int s, const QString& key) const;
    // The section's last non-blank line, its head at least.
    qsizetype LastFilledLine(int s) const { return m_sections[s].lastFilledLine; }

    // The key used to match names: blanks and TABs around it dropped, each
    // character folded as the case-insensitive comparison folds it.
    static QString FoldedName(QStringView name);

private:
    struct Section {
        qsizetype head = 0;
        qsizetype endLine = 0; // the next section's head, or the number of lines
        qsizetype lastFilledLine = 0;
        // Built at the first lookup in the section: most lookups touch few sections.
        mutable bool keysIndexed = false;
        mutable QHash<QString, ProfileKey> keys;
    };
    void IndexKeys(const Section& section) const;

    QByteArray m_bytes;
    std::vector<ProfileLine> m_lines;
    std::vector<Section> m_sections;
    QHash<QString, int> m_sectionByName; // the first of each name
};

// "[name]", blanks allowed around the line and the name.
bool IsSectionHead(QByteArrayView content, QByteArrayView& name);
// Blanks and TABs only: a vertical tab, a form feed or a no-break space is
// part of a name, as for the Windows functions.
QByteArrayView TrimSpaces(QByteArrayView text);
