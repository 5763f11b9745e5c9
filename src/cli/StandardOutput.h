// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <streambuf>
#include <vector>

namespace qvx::cli {

// The tool's standard output: a buffered stream over a file descriptor that
// remembers why a write failed, so the tool can say it (a full disk, a closed
// output) instead of ending as if all had been printed.
class DescriptorBuffer final : public std::streambuf {
public:
    explicit DescriptorBuffer(int fd);
    ~DescriptorBuffer() override;
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

    // The errno of the first failed write; 0 while all went well.
    int error() const { return error_; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* data, std::streamsize size) override;
    int sync() override;

private:
    bool writeOut(const char* data, std::size_t size);
    bool drain();

    int fd_;
    int error_ = 0;
    std::vector<char> buffer_;
};

// Makes sure descriptors 0, 1 and 2 are open, so that a list file opened
// later never takes the place of a closed standard output. A closed one gets
// /dev/null opened for reading: writing to it still fails, as it should.
void reserveStandardDescriptors();

// Flushes `out` and tells whether everything printed arrived. A failure is
// said on `err` as "qvxtool: write error: <reason>" and gives exit status 1;
// a reader that went away (a broken pipe) gives 1 without a word.
int finishOutput(std::ostream& out, std::ostream& err);

}  // namespace qvx::cli
