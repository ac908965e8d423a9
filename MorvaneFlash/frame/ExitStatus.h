#pragma once

// The exit statuses, as --help and the manual page list them.
enum ExitStatus : int
{
    exitSuccess = 0,
    exitUsage = 1,
    // lint, sign: the list, or a file it names, could not be fetched, read or written;
    // record --forget: the record could not be removed.
    exitCatalogue = 2,
    exitDevice = 3,
    exitTransfer = 4,
    // lint: the list's signature or an image's digest is refused; sign: a digest in the list
    // does not match its file, or the updater would refuse the signature made.
    exitIntegrity = 5,
    // lint, sign: the list has errors, lines the updater would skip or refuse to flash; sign:
    // it would be dated before the list it replaces or the one published, or by a clock beyond
    // the skew from the server's.
    exitListErrors = 6,
    // sign only: minisign is missing, or it failed.
    exitSigningTool = 7,
    // 128 + SIGINT, as shells report a program that Ctrl-C ended. main() reports 128 + the
    // signal that asked for the stop instead (InterruptSignal::stoppedStatus).
    exitInterrupted = 130,
};
