#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "app/report.h"

namespace corvalen {

namespace {

struct termios saved_terminal;

// Ctrl-C during the wait must not leave the terminal without echo.
extern "C" void RestoreTerminalAndRaise(int signal_number) {
  tcsetattr(STDIN_FILENO, TCSANOW, &saved_terminal);
  ::signal(signal_number, SIG_DFL);
  ::raise(signal_number);
}

// One byte, or nothing at end of input or on a closed descriptor.
void ReadOneByte() {
  char byte = 0;
  while (read(STDIN_FILENO, &byte, 1) < 0 && errno == EINTR) {
  }
}

void WaitForKeyOnTerminal() {
  struct termios raw = saved_terminal;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  struct sigaction restore {};
  restore.sa_handler = RestoreTerminalAndRaise;
  struct sigaction previous_int {
  }, previous_term{}, previous_hup{};
  sigaction(SIGINT, &restore, &previous_int);
  sigaction(SIGTERM, &restore, &previous_term);
  sigaction(SIGHUP, &restore, &previous_hup);
  tcsetattr(STDIN_FILENO, TCSANOW, &raw);
  ReadOneByte();
  tcsetattr(STDIN_FILENO, TCSANOW, &saved_terminal);
  sigaction(SIGINT, &previous_int, nullptr);
  sigaction(SIGTERM, &previous_term, nullptr);
  sigaction(SIGHUP, &previous_hup, nullptr);
}

}  // namespace

// Linux has no pause command, so the program asks for the key itself, in the
// words Windows uses.
void PauseForKeyPress() {
  std::fputs("Press any key to continue . . . ", stdout);
  std::fflush(stdout);
  if (isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &saved_terminal) == 0) {
    WaitForKeyOnTerminal();
    std::fputs("\n", stdout);
    std::fflush(stdout);
  } else {
    ReadOneByte();
  }
}

}  // namespace corvalen
