#pragma once

namespace varnwick {

// Puts standard output into binary mode where the C run-time would otherwise translate each
// "\n" into "\r\n" (Windows), so a generated "\r\n" leaves the program as it is and not as
// "\r\r\n". Does nothing where output is always binary.
void SetBinaryStdout();

}  // namespace varnwick
