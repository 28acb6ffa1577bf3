#include "base/log.h"

#include <iostream>

#include "platform/output.h"

int32_t Log::threshold = 0;
std::ostream* Log::destination = &std::cerr;
std::function<void()> Log::beforeMessage;

Log::Log(uint32_t level) : Log(Kind::Warning, level) {}

Log::Log() : Log(Kind::Error, 0) {}

Log::Log(Kind kind, uint32_t level) : target(*destination), kind_(kind), active(true) {
  if (kind == Kind::Warning && !shows(level)) {
    // Everything written until the end of this message is discarded.
    active = false;
    target.setstate(std::ios::failbit);
    return;
  }
  if (beforeMessage) beforeMessage();
  // Published text written so far must come first on a shared terminal.
  Output::standard().flush();
  target.clear();
  if (kind == Kind::Error) target << "\x1b[01;31m Error ";
  if (kind == Kind::Warning) target << (level >= 2 ? "\x1b[01;35m" : "\x1b[01;32m") << " Warning ";
}

Log::~Log() {
  if (active) {
    if (kind_ != Kind::Plain) target << "\x1b[00m ";
    target << std::endl;
  }
  target.clear();
}
