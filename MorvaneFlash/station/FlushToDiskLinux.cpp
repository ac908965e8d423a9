#include "station/FlushToDisk.h"

#include <unistd.h>

// fdatasync leaves out only the timestamps, which nothing reads back; a file's new length is
// written with its data.
bool flushToDisk(int fd)
{
    return ::fdatasync(fd) == 0;
}
