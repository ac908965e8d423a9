#pragma once

#include "bootloader/UsbIdentifier.h"

#include <QString>

class Console;
struct Environment;
struct UpdateTarget;

// flash --file: an image file, the ids of the devices to flash it on, and the digest it must
// have ("sha256:" and 64 hexadecimal digits; empty when none was given).
struct ImageFile
{
    QString path;
    QString sha256;
    UsbIds ids;
};

// The image file as the update's target, read as a downloaded image is bounded and checked
// against its digest, which a build with a catalogue key requires; a failure is said, and its
// exit status returned.
int fileTarget(const ImageFile &image, const Environment &environment, Console &console,
               UpdateTarget &target);
