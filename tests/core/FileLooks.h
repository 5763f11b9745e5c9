// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a file has besides its bytes, as outside programs show it: its mode,
// owner, group and links from stat(2), its ACL from getfacl(1) and every
// extended attribute from getfattr(1) (acl and attr packages).

#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "QvxtoolTestSupport.h"

namespace qvx::testing {

// What a shell command printed on its standard output.
inline std::string outputOf(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, got);
        ::pclose(pipe);
    }
    return out;
}

inline bool haveAttributeTools() {
    return runShell("command -v getfacl setfacl getfattr setfattr >/dev/null 2>&1") == 0;
}

// Runs an acl or attr command on a path; true when it worked.
inline bool runOn(std::string_view command, const std::string& path) {
    return runShell(std::string(command) + " -- " + shellQuoted(path) + " 2>/dev/null") == 0;
}

struct FileLooks {
    std::string status;      // "mode 100640 owner 0:4 links 1"
    std::string acl;         // getfacl -n
    std::string attributes;  // getfattr -d -m - -e hex: every namespace this process may see
    ino_t inode = 0;

    bool operator==(const FileLooks& other) const {
        return status == other.status && acl == other.acl && attributes == other.attributes;
    }
};

inline FileLooks looksOf(const std::string& path) {
    FileLooks looks;
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return looks;
    char text[96];
    std::snprintf(text, sizeof text, "mode %o owner %u:%u links %lu", static_cast<unsigned>(status.st_mode),
                  static_cast<unsigned>(status.st_uid), static_cast<unsigned>(status.st_gid),
                  static_cast<unsigned long>(status.st_nlink));
    looks.status = text;
    looks.inode = status.st_ino;
    looks.acl = outputOf("getfacl -n --absolute-names -- " + shellQuoted(path) + " 2>&1");
    looks.attributes = outputOf("getfattr -d -m - -e hex --absolute-names -- " + shellQuoted(path) + " 2>&1");
    return looks;
}

inline std::ostream& operator<<(std::ostream& out, const FileLooks& looks) {
    return out << looks.status << "\n" << looks.acl << looks.attributes;
}

}  // namespace qvx::testing
