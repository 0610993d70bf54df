#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>

namespace zek {

// Asks the system to back the memory [data, data + size) with large pages
// where it can, and to map all of it in at once. A card box of 32,767 cards
// takes some ten megabytes in one go; touched page by page that is thousands
// of page faults, the largest part of a start. The contents stay as they
// are; only memory the caller owns and is about to write is worth it.
// capacity is the room the block owns from data on; the block should have
// been made with at least largeBlockCapacity() of room.
void adviseLargePages(void *data, std::size_t size, std::size_t capacity);

// The room to make for count elements of a block that is to take large
// pages: for a large block, enough to reach the end of its last large page.
qsizetype largeBlockCapacity(qsizetype count, std::size_t elementSize);

// The whole file, read in one piece (with largePages, into memory advised as
// above); false when it cannot be read (the bytes are then empty).
bool readWholeFile(const QString &path, QByteArray &bytes, bool largePages = false);

} // namespace zek
