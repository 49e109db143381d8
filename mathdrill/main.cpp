#include <cstdio>

#include "drill.h"
#include "output.h"

int main() {
  if (RunDrill(stdin, stdout, stderr) != 0) {
    return 1;
  }
  return CloseStdout(kProgram);
}
