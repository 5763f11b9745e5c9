// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StandardOutput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <ostream>

#include "cli/Subcommand.h"
#include "files/FileResult.h"

namespace qvx::cli {

DescriptorBuffer::DescriptorBuffer(int fd) : fd_(fd), buffer_(64 * 1024) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorBuffer::~DescriptorBuffer() { drain(); }

bool DescriptorBuffer::writeOut(const char* data, std::size_t size) {
    if (error_ != 0) return false;
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            error_ = errno;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool DescriptorBuffer::drain() {
    const bool ok = writeOut(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return ok;
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c) {
    if (!drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize DescriptorBuffer::xsputn(const char* data, std::streamsize size) {
    if (size > epptr() - pptr()) {
        if (!drain()) return 0;
        // Text larger than the whole buffer goes out directly.
        if (size > epptr() - pptr()) return writeOut(data, static_cast<std::size_t>(size)) ? size : 0;
    }
    traits_type::copy(pptr(), data, static_cast<std::size_t>(size));
    pbump(static_cast<int>(size));
    return size;
}

int DescriptorBuffer::sync() { return drain() ? 0 : -1; }

void reserveStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // open() takes the lowest free number, which is this one.
        const int reserved = ::open("/dev/null", O_RDONLY | O_NOCTTY);
        if (reserved != fd && reserved >= 0) ::close(reserved);
    }
}

int finishOutput(std::ostream& out, std::ostream& err) {
    if (out.flush()) return kExitOk;
    const auto* buffer = dynamic_cast<const DescriptorBuffer*>(out.rdbuf());
    const int error = buffer ? buffer->error() : 0;
    if (error == EPIPE) return kExitFailure;
    err << "qvxtool: write error";
    if (error != 0) err << ": " << systemReason(error);
    err << "\n";
    return kExitFailure;
}

}  // namespace qvx::cli
