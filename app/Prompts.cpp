#include "app/Prompts.h"

#include <cstdio>

namespace {

class StderrPrompts : public Prompts {
 public:
  void ShowMessage(const QString& text) override {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
  }
};

StderrPrompts g_stderrPrompts;
Prompts* g_prompts = &g_stderrPrompts;

}  // namespace

Prompts& CurrentPrompts() { return *g_prompts; }

void SetPrompts(Prompts* prompts) { g_prompts = prompts ? prompts : &g_stderrPrompts; }
