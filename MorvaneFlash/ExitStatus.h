#pragma once

// The exit statuses, as --help and the manual page list them.
enum ExitStatus : int
{
    exitSuccess = 0,
    exitUsage = 1,
    // lint: the list could not be fetched or read.
    exitCatalogue = 2,
    exitDevice = 3,
    exitTransfer = 4,
    // lint: the list's signature or an image's digest is refused.
    exitIntegrity = 5,
    // lint only: the list has errors, lines the updater would skip or refuse to flash.
    exitListErrors = 6,
    // 128 + SIGINT, as shells report a program that Ctrl-C ended. main() reports 128 + the
    // signal that asked for the stop instead (InterruptSignal::stoppedStatus).
    exitInterrupted = 130,
};
