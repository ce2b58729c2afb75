#include "LoopbackServer.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <signal.h>
#include <sys/types.h>

namespace {

// The server's processes: PulseAudio's one, or PipeWire's three.
volatile sig_atomic_t g_serverPids[4] = {};

// A crashing or interrupted test must not leave the server behind: it never
// exits on its own.
void TerminateServerAndDie(int sig) {
  for (const sig_atomic_t pid : g_serverPids)
    if (pid > 0) kill(static_cast<pid_t>(pid), SIGTERM);
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

bool UsePipeWire() {
  const char* kind = std::getenv("ONDRIX_SOUND_SERVER");
  return kind && std::string(kind) == "pipewire";
}

// Runs the loopback script; returns its exit status and appends its output.
int RunScript(const std::string& command, const std::string& dir, std::string& output) {
  const char* script = UsePipeWire() ? ONDRIX_PIPEWIRE_SCRIPT : ONDRIX_LOOPBACK_SCRIPT;
  const std::string line = std::string("'") + script + "' " + command + " '" + dir + "' 2>&1";
  FILE* pipe = popen(line.c_str(), "r");
  if (!pipe) {
    output += "cannot run " + line + "\n";
    return -1;
  }
  char buf[512];
  while (std::fgets(buf, sizeof buf, pipe)) output += buf;
  return pclose(pipe);
}

void ForgetPids() {
  for (volatile sig_atomic_t& pid : g_serverPids) pid = 0;
}

// The server's pids, as the script wrote them, for the crash handler.
void RememberPids(const std::string& dir) {
  ForgetPids();
  std::ifstream pidFile(dir + (UsePipeWire() ? "/pipewire.pids" : "/pulse/loopback.pid"));
  int pid = 0;
  for (volatile sig_atomic_t& slot : g_serverPids)
    if (pidFile >> pid) slot = pid;
}

}  // namespace

const char* LoopbackServer::Kind() { return UsePipeWire() ? "PipeWire" : "PulseAudio"; }

bool LoopbackServer::Start(std::string& error) {
  std::string pattern = (std::filesystem::temp_directory_path() / "ondrix-audio-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    error = "cannot create a temporary folder for the loopback server";
    return false;
  }
  dir_ = pattern;
  std::string output;
  if (RunScript("start", dir_, output) != 0) {
    error = "the loopback sound server did not start:\n" + output;
    Stop();
    return false;
  }
  RememberPids(dir_);
  for (int sig : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGINT, SIGTERM}) std::signal(sig, TerminateServerAndDie);

  setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1);
  setenv("PULSE_RUNTIME_PATH", (dir_ + "/pulse").c_str(), 1);
  setenv("PULSE_SERVER", ("unix:" + dir_ + "/pulse/native").c_str(), 1);
  setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
  // The client library's cookie goes to the server's folder, not to $HOME.
  setenv("PULSE_COOKIE", (dir_ + "/pulse/cookie").c_str(), 1);
  return true;
}

void LoopbackServer::Kill() {
  std::string output;
  RunScript("stop", dir_, output);
  ForgetPids();
}

bool LoopbackServer::Resume(std::string& error) {
  std::string output;
  if (RunScript("start", dir_, output) != 0) {
    error = "the loopback sound server did not start again:\n" + output;
    return false;
  }
  RememberPids(dir_);
  return true;
}

void LoopbackServer::Stop() {
  if (dir_.empty()) return;
  std::string output;
  RunScript("stop", dir_, output);
  ForgetPids();
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
  dir_.clear();
}
