#include <windows.h>

#include "CliProcess.h"

namespace varnwick::test {
namespace {

// The program lies beside the test program.
std::string CliPath() {
  char self[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path = self;
  return path.substr(0, path.find_last_of("\\/") + 1) + VARNWICK_CLI_NAME;
}

// Closes the handle on every way out.
struct OwnedHandle {
  HANDLE handle = INVALID_HANDLE_VALUE;
  OwnedHandle() = default;
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  ~OwnedHandle() { Close(); }
  void Close() {
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr) CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
  }
};

std::string ReadAll(HANDLE pipe) {
  std::string out;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) out.append(buffer, got);
  return out;
}

// A temporary file for the program's standard error: a second pipe could fill up while the
// first is read.
std::string ErrorFileName() {
  char folder[MAX_PATH + 1] = {};
  char name[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, folder);
  GetTempFileNameA(folder, "vce", 0, name);
  return name;
}

}  // namespace

CliRun RunCli(const std::string& arguments) {
  CliRun run;
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  OwnedHandle readEnd, writeEnd, nul, errors;
  if (!CreatePipe(&readEnd.handle, &writeEnd.handle, &inherit, 0)) return run;
  SetHandleInformation(readEnd.handle, HANDLE_FLAG_INHERIT, 0);
  nul.handle = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                           OPEN_EXISTING, 0, nullptr);
  const std::string errorFile = ErrorFileName();
  errors.handle = CreateFileA(errorFile.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nul.handle;
  startup.hStdOutput = writeEnd.handle;
  startup.hStdError = errors.handle;
  std::string commandLine = "\"" + CliPath() + "\" " + arguments;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return run;
  }
  writeEnd.Close();  // so the read ends when the program does
  run.out = ReadAll(readEnd.handle);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 0;
  if (GetExitCodeProcess(process.hProcess, &exitCode)) run.exitCode = static_cast<int>(exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  SetFilePointer(errors.handle, 0, nullptr, FILE_BEGIN);
  // Standard error is text, which the run-time writes with "\r\n" line ends here.
  for (const char c : ReadAll(errors.handle)) {
    if (c == '\n' && !run.err.empty() && run.err.back() == '\r') run.err.pop_back();
    run.err.push_back(c);
  }
  errors.Close();
  DeleteFileA(errorFile.c_str());
  return run;
}

}  // namespace varnwick::test
