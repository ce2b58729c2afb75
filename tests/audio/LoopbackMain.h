#pragma once

#include "LoopbackServer.h"

#include <string>

// The private sound server the audio tests share. LoopbackMain.cpp's main
// starts it before anything of Qt Multimedia exists (Qt does not find a
// server that appears later) and stops it after the last test; null when it
// could not start, with the reason in g_serverError.
extern LoopbackServer* g_server;
extern std::string g_serverError;
