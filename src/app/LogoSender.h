#pragma once

#include "logofile/LogoBuffer.h"

namespace markast {

class Clock;
class SerialControl;
class TransferView;

enum class SendOutcome {
    Completed,    // every byte left and the window is back in its no-logo state
    Refused,      // the line took a byte no more; the window shows where it stopped
    WindowClosed, // the window was closed after the bytes were out
};

// Sends the logo's bytes one by one, in file order, nothing added, then lets the marker settle.
SendOutcome downloadLogo(const LogoBuffer& logo, SerialControl& control, TransferView& view,
                         Clock& clock);

// The settle wait starts at the clock reading rounded to the nearest whole second, halves
// going to the even one, and lasts until a reading three seconds on; a reading below the start
// means the clock passed midnight.
double settleStart(double secondsSinceMidnight);
bool settleTimeUp(double start, double secondsSinceMidnight);

} // namespace markast
