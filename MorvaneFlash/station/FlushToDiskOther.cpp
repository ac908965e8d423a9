#include "station/FlushToDisk.h"

#include <fcntl.h>
#include <unistd.h>

bool flushToDisk(int fd)
{
#if defined(F_FULLFSYNC)
    // macOS's fsync hands the data to the drive, whose own cache may still lose it in a power
    // cut; F_FULLFSYNC has the drive write that cache out too. File systems that cannot do
    // it (some network and FAT volumes) refuse it, and fsync is then the most there is.
    if (::fcntl(fd, F_FULLFSYNC) == 0) {
        return true;
    }
#endif
    return ::fsync(fd) == 0;
}
