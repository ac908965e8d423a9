#pragma once

// The exit statuses, as --help and the manual page list them.
enum ExitStatus : int
{
    exitSuccess = 0,
    exitUsage = 1,
    exitCatalogue = 2,
    exitDevice = 3,
    exitTransfer = 4,
    exitIntegrity = 5,
    // 128 + SIGINT, as shells report a program that Ctrl-C ended.
    exitInterrupted = 130,
};
