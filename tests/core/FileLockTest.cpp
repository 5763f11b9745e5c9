#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "FormatTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::Bytes;

// Another process that holds a record lock on a file until it is released.
class LockHolder {
public:
    LockHolder(const std::string& path, short type) {
        int ready[2], release[2];
        EXPECT_EQ(::pipe(ready), 0);
        EXPECT_EQ(::pipe(release), 0);
        child_ = ::fork();
        if (child_ == 0) {
            const int fd = ::open(path.c_str(), type == F_WRLCK ? O_RDWR : O_RDONLY);
            struct flock region {};
            region.l_type = type;
            region.l_whence = SEEK_SET;
            const char status = fd >= 0 && ::fcntl(fd, F_SETLK, &region) == 0 ? 'y' : 'n';
            if (::write(ready[1], &status, 1) != 1) ::_exit(1);
            char ignored;
            if (::read(release[0], &ignored, 1) < 0) ::_exit(1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        releaseFd_ = release[1];
        char status = 'n';
        EXPECT_EQ(::read(ready[0], &status, 1), 1);
        ::close(ready[0]);
        locked_ = status == 'y';
    }
    ~LockHolder() {
        const char go = 'x';
        if (::write(releaseFd_, &go, 1) != 1) ADD_FAILURE() << "could not release the lock holder";
        ::close(releaseFd_);
        int status = 0;
        ::waitpid(child_, &status, 0);
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    bool locked() const { return locked_; }

private:
    pid_t child_ = -1;
    int releaseFd_ = -1;
    bool locked_ = false;
};

const Bytes kOldContents = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

TEST(FileLock, SaveOverAFileAnotherProcessHoldsIsASharingViolation) {
    testing::TemporaryFolder folder;
    const std::string path = folder.file("list.qvx");
    testing::writeFileBytes(path, kOldContents);
    ChannelList list(1);
    testing::addChannel(list.television(), testing::addProvider(list.television(), "P"), "A");
    for (short type : {F_RDLCK, F_WRLCK}) {  // a reader blocks a save as much as a writer
        LockHolder holder(path, type);
        ASSERT_TRUE(holder.locked());
        const WriteResult result = writeList(path, "qvx", list.television(), list.radio());
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.cause, 11);
        EXPECT_EQ(result.message, "File " + path + " could not be opened. Cause 11");
        EXPECT_EQ(testing::readFileBytes(path), kOldContents);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"list.qvx"});
    }
    // Once the other process lets go, the save goes through.
    EXPECT_TRUE(writeList(path, "qvx", list.television(), list.radio()).ok);
    EXPECT_EQ(testing::readFileBytes(path).size(), 12 + 2 * kRecordSize);
}

TEST(FileLock, ReadingAFileBeingWrittenCannotOpenItButReadersShare) {
    testing::TemporaryFolder folder;
    const std::string path = folder.file("list.qvx");
    testing::writeFileBytes(path, kOldContents);
    ChannelList list(1);
    testing::addProvider(list.television(), "untouched");
    {
        LockHolder writer(path, F_WRLCK);
        ASSERT_TRUE(writer.locked());
        const ReadResult result = readList(path, ListFormat::Native, list.television(), list.radio());
        EXPECT_EQ(result.code, kReadCannotOpen);
        EXPECT_EQ(result.message, "Can't open file " + path);
        EXPECT_EQ(testing::shapeOf(list.television()), "untouched");
    }
    LockHolder reader(path, F_RDLCK);
    ASSERT_TRUE(reader.locked());
    EXPECT_EQ(readList(path, ListFormat::Native, list.television(), list.radio()).code, kReadOk);
    EXPECT_TRUE(list.television().empty());
}

}  // namespace
}  // namespace qvx
