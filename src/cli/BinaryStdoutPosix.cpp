#include "BinaryStdout.h"

namespace varnwick {

void SetBinaryStdout() {}

}  // namespace varnwick
