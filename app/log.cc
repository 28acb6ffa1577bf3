#include "app/log.h"

#include <iostream>

#include "platform/output.h"

int32_t messageThreshold = 0;
std::ostream* Log::destination = &std::cerr;

Log::Log(uint32_t level) : target(*destination) {
  if (level > static_cast<uint32_t>(messageThreshold)) {
    // Everything written until the end of this message is discarded.
    active = false;
    target.setstate(std::ios::failbit);
    return;
  }
  // Published text written so far must come first on a shared terminal.
  Output::standard().flush();
  target << (level >= 2 ? "\x1b[01;35m" : "\x1b[01;32m") << " Warning ";
  active = true;
  target.clear();
}

Log::Log() : target(*destination) {
  Output::standard().flush();
  target.clear();
  target << "\x1b[01;31m Error ";
  active = true;
}

Log::~Log() {
  if (active) target << "\x1b[00m " << std::endl;
  target.clear();
}
