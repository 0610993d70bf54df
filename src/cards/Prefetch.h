#pragma once

#include "CardFile.h"

#include <QString>

#include <optional>

namespace zek {

struct FileIdentity;

// The start reads and indexes the first card file of its box in the
// background while the window system is still being set up: on the largest
// box, reading 32,767 cards into fresh memory costs milliseconds.

// Starts reading the card file at path in the background; nothing while a
// read started before has not been taken.
void prefetchCardFile(const QString &path);

// Waits until a read started has ended, and leaves it to be taken: a file
// changed after this was read before the change.
void waitForPrefetchedCardFile();

// The cards of path as the background read indexed them, when a read of that
// very file was started and the file has not changed since it began
// (same file, size and time of change); nothing otherwise, and then the
// caller reads the file itself. Waits for a read still under way. Either way
// the read is used up: only the next load can take it. identity, when given,
// gets the file as it was read.
std::optional<CardFileIndex> takePrefetchedCardFile(const QString &path, FileIdentity *identity = nullptr);

} // namespace zek
