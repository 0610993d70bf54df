#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace zek {

// The whole file, read in one piece; false when it cannot be read (the bytes
// are then empty).
bool readWholeFile(const QString &path, QByteArray &bytes);

// The same into a block of memory of its own, taken from the system in large
// pages where it can and mapped in one call: the three megabytes of a card
// file of 32,767 cards are two page faults rather than some 730, which in a
// fresh process cost more than reading them. bytes refers into the block and
// keep holds it: bytes must not be used once keep is let go of. A file that
// grows while it is read ends up on the heap, keep then empty.
bool readWholeFileInLargePages(const QString &path, QByteArray &bytes, std::shared_ptr<const void> &keep);

} // namespace zek
