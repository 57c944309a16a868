#pragma once

#include <QByteArray>
#include <QList>

#include <optional>
#include <utility>

namespace saltor {

// What a file holds besides its bytes, owner, group and mode: its extended attributes (an
// access control list among them), its attribute flags (no dump, no access time, no
// copy-on-write, synchronous updates...) and what the file system keeps beside them (extended
// flags, project ID, extent size hints). File capabilities are left out: the system drops them
// whenever a file is written, and a new text must not run with an old one's privileges.
//
// A new file is given them in two steps: its flags while it is still empty, its extended
// attributes once it is written.
class FileAttributes {
public:
    // Those of the open file fd; nothing where they cannot be read.
    static std::optional<FileAttributes> of(int fd);

    // Whether they make the file take no change (immutable, append-only): nothing may replace
    // it, nor write it in place.
    bool takeNoChange() const;

    // Gives the new, still empty file fd every flag and what the file system keeps beside them:
    // some (no copy-on-write, an extent size hint) a file system takes only on an empty file.
    // Flags it took from its folder go. False where they could not all be given.
    bool giveFlags(int fd) const;
    // Gives the new file fd exactly these extended attributes: those it took from its folder (a
    // default access list) go. False where they could not all be given.
    bool giveAttributes(int fd) const;

    bool operator==(const FileAttributes& other) const
    {
        return m_attributes == other.m_attributes && m_flags == other.m_flags && m_extended == other.m_extended;
    }
    bool operator!=(const FileAttributes& other) const { return !(*this == other); }

    // What the file system keeps beside the flags (FS_IOC_FSGETXATTR).
    struct Extended {
        unsigned flags = 0;
        unsigned extentSize = 0;
        unsigned project = 0;
        unsigned cowExtentSize = 0;
        bool operator==(const Extended& other) const
        {
            return flags == other.flags && extentSize == other.extentSize && project == other.project
                   && cowExtentSize == other.cowExtentSize;
        }
    };

private:
    QList<std::pair<QByteArray, QByteArray>> m_attributes; // name and value, sorted by name
    std::optional<int> m_flags;                             // those chattr sets; none: not kept here
    std::optional<Extended> m_extended;                     // none: not kept here
};

// Gives the file to the no-copy-on-write flag the file from has, or takes it away: a file system
// shares blocks only between files that both have it or both lack it. True where it was given,
// and where a file system keeps no flags.
bool copyNoCopyOnWrite(int from, int to);

} // namespace saltor
