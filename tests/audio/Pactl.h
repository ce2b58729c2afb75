#pragma once

// Asking the private sound server what it holds, with pactl.

#include <cstdio>
#include <regex>
#include <string>
#include <utility>

// Runs a pactl command line; returns its output.
inline std::string Pactl(const std::string& arguments) {
  std::string output;
  FILE* pipe = popen(("pactl " + arguments + " 2>&1").c_str(), "r");
  if (!pipe) return output;
  char buf[512];
  while (std::fgets(buf, sizeof buf, pipe)) output += buf;
  pclose(pipe);
  return output;
}

// The left and right volume of the default "sink" or "source" in pactl's
// "Volume: front-left: 30000 / 46% / …" line; -1 for a channel that is not there.
inline std::pair<long, long> ServerVolume(const std::string& what) {
  const std::string text = Pactl("get-" + what + "-volume @DEFAULT_" + (what == "sink" ? "SINK@" : "SOURCE@"));
  std::smatch m;
  long left = -1, right = -1;
  if (std::regex_search(text, m, std::regex(R"(front-left: (\d+))"))) left = std::stol(m[1]);
  if (std::regex_search(text, m, std::regex(R"(front-right: (\d+))"))) right = std::stol(m[1]);
  return {left, right};
}
