#include <cstdio>

#include "drill.h"
#include "output.h"

int main() {
  if (RunDrill(stdin, stdout, stderr) != 0) {
    return 1;
  }
  if (const int error = CloseOutput(stdout); error != 0) {
    ReportWriteError(stderr, "mathdrill", error);
    return 1;
  }
  return 0;
}
