#include "application.h"
#include "command_line.h"
#include "display_guard.h"
#include "fMovla.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

int main(int argc, char *argv[]) {
  if (const auto status = movla::answerCommandLine(argc, argv))
    return *status;
  movla::DisplayGuard guard;
  QApplication app(argc, argv);
  guard.release();
  movla::setApplicationInfo();

  fMovla window;
  window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                         window.screen()->availableGeometry()));
  window.show();
  return QApplication::exec();
}
