#pragma once

// Puts what was written through fd on the storage itself, past every cache a power cut would
// empty, with as much of the file's metadata as reading it back needs. False with errno set
// when that failed: the data may then be lost. One file per platform: FlushToDiskLinux.cpp,
// FlushToDiskOther.cpp.
bool flushToDisk(int fd);
