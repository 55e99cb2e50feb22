#pragma once
// Qt ends a program that cannot open a display with qFatal, which aborts and
// dumps core after several lines of advice. While a DisplayGuard lives (that
// is, while QApplication is being created) Qt's messages are held back; if Qt
// gives up, one line says why and the program exits with status 1. Once
// released, the held messages go out as usual.

#include <QtGlobal>

namespace movla {

class DisplayGuard {
public:
  DisplayGuard();
  ~DisplayGuard() { release(); }
  DisplayGuard(const DisplayGuard &) = delete;
  DisplayGuard &operator=(const DisplayGuard &) = delete;

  /// Restores Qt's message handler and passes on the held messages.
  void release();

private:
  QtMessageHandler previous_ = nullptr;
};

} // namespace movla
