#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The systemd journal, where the system has one (JournalSinkLinux.cpp, through libsystemd).

// Why --journal cannot be honoured on this system at all; nothing where it can.
std::optional<QString> journalUnsupported();
// Why no entry would reach journald now (its socket is absent); nothing when one would.
std::optional<QString> journalAbsent();
// Whether the file descriptor `fd` is the journal's own stream, as systemd says in
// $JOURNAL_STREAM ("DEVICE:INODE") when it connects standard output or error to it.
bool isJournalStream(int fd);
// Sends one entry of "NAME=value" fields; why it did not go, else nothing.
std::optional<QString> sendToJournal(const QList<QByteArray> &fields);
