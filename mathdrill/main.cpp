#include <cstdio>

#include "drill.h"

int main() { return RunDrill(stdin, stdout, stderr); }
