#pragma once

#include "Clock.h"
#include "Dialogs.h"
#include "PrintService.h"
#include "Speech.h"

namespace zek {

// The one door to the outside world: the boxes, the clock, the printer and
// speech. Each is an interface of its own with nothing but pure virtual
// functions, so a platform that leaves one out does not compile. A model
// that needs only one of them takes just that one; the others take the
// whole platform.
class Platform : public Dialogs, public Clock, public PrintService, public Speech {
public:
    ~Platform() override = default;
};

} // namespace zek
