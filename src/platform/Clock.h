#pragma once

#include <QDateTime>

namespace zek {

// The time of day, as the games time a round and the record dates an answer.
class Clock {
public:
    virtual ~Clock() = default;

    virtual int secondsSinceMidnight() const = 0;
    // The local date and time, for the practice record.
    virtual QDateTime localTime() const = 0;
};

} // namespace zek
