#include "CatalogueServer.h"

#include <QProcess>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>

// The installed program itself, as a separate process.
TEST(MorvaneFlashProgram, EachStopSignalEndsTheProgramThroughItsHandler)
{
    CatalogueServer server;
    // The signal reaches the program through its handler and ends a slow download.
    CatalogueServer::Response slow;
    slow.delay = std::chrono::seconds(20);
    server.setResponse("/slow.txt", slow);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        const int before = server.requestCount("/slow.txt");
        QProcess stopped;
        stopped.start(MORVANE_FLASH_PROGRAM,
                      {"lint", QString::fromStdString(server.url("/slow.txt"))});
        ASSERT_TRUE(stopped.waitForStarted(30'000));
        for (int i = 0; i < 3000 && server.requestCount("/slow.txt") == before; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ::kill(pid_t(stopped.processId()), signal);
        ASSERT_TRUE(stopped.waitForFinished(10'000));
        EXPECT_EQ(stopped.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(stopped.exitCode(), 128 + signal);
        EXPECT_TRUE(stopped.readAllStandardError().startsWith("Stopped: the download of "));
    }
}
