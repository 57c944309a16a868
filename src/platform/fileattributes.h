#pragma once

#include <QByteArray>
#include <QList>

#include <optional>
#include <utility>

namespace saltor {

// What a file holds besides its bytes, owner, group and mode: its extended attributes (an
// access control list among them) and its attribute flags (no dump, no access time, synchronous
// updates...). File capabilities are left out: the system drops them whenever a file is written,
// and a new text must not run with an old one's privileges.
class FileAttributes {
public:
    // Those of the open file fd; nothing where they cannot be read.
    static std::optional<FileAttributes> of(int fd);

    // Gives the new file fd exactly these: attributes it took from its folder (a default access
    // list) go. False where they could not all be given.
    bool giveTo(int fd) const;

    bool operator==(const FileAttributes& other) const
    {
        return m_attributes == other.m_attributes && m_flags == other.m_flags;
    }
    bool operator!=(const FileAttributes& other) const { return !(*this == other); }

private:
    QList<std::pair<QByteArray, QByteArray>> m_attributes; // name and value, sorted by name
    std::optional<int> m_flags;                             // those a user may change; none: not kept here
};

} // namespace saltor
