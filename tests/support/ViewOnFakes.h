#pragma once

#include "display/COndrixView.h"
#include "support/FakeAudioInput.h"
#include "support/FakeAudioOutput.h"

#include <memory>

// A view on a scripted input and output. The view owns both; `input` and
// `output` (when given) point at them for as long as the view lives.
inline std::unique_ptr<COndrixView> MakeViewOnFakes(FakeAudioInput** input, FakeAudioOutput** output) {
  auto in = std::make_unique<FakeAudioInput>();
  auto out = std::make_unique<FakeAudioOutput>();
  if (input) *input = in.get();
  if (output) *output = out.get();
  auto view = std::make_unique<COndrixView>(std::move(in));
  view->SetAudioOutput(std::move(out));
  return view;
}
