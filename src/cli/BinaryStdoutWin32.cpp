#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "BinaryStdout.h"

namespace varnwick {

void SetBinaryStdout() { _setmode(_fileno(stdout), _O_BINARY); }

}  // namespace varnwick
