// mizuhane-usi: the computer player as a USI engine on standard input and output.
#include <csignal>
#include <iostream>

#include "usi/usi.h"

int main() {
  // A GUI that closes the pipe first must not kill the engine mid-line; the loop ends instead.
  std::signal(SIGPIPE, SIG_IGN);
  std::ios::sync_with_stdio(false);
  UsiEngine engine(std::cout, com_search);
  engine.run(std::cin);
  return 0;
}
