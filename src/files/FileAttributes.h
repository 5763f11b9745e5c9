// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace qvx {

class FileCalls;

// The extended attributes of a file (user.*, security.* and the others the
// process may read), its access ACL among them: what a replacement must get
// so that nobody gains or loses access and nothing attached to it is lost.
struct FileAttributes {
    struct Entry {
        std::string name;
        std::vector<char> value;
    };
    std::vector<Entry> entries;
    bool hasAccessAcl = false;
};

// The attributes of an open file; 0, or the errno why they cannot all be read.
// A file system without extended attributes gives none.
int readFileAttributes(int fd, FileAttributes& attributes);

// What could not be given to a new file.
enum class AttributeProblem {
    None,
    AccessRights,     // the access ACL (or its absence)
    OtherAttributes,  // an extended attribute other than the ACL
};

// Gives the new file `fd` exactly the old file's access ACL (and none where
// the old file had none, whatever the folder's default ACL gave it) and every
// other attribute of `attributes`. The file's mode is to be set after this:
// with an ACL its group bits are the ACL's mask.
AttributeProblem applyFileAttributes(int fd, const FileAttributes& attributes, FileCalls& calls);

}  // namespace qvx
