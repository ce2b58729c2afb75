#include "gui/CBarTool.h"

#include "app/Globals.h"
#include "gui/DialogFont.h"
#include "gui/DialogUnits.h"

CBarTool::CBarTool(QWidget* parent) : QWidget(parent) {
  setFont(DialogFont());
  formSize_ = DialogSize(kTemplateBaseUnits, 571, 95);
}

CBarTool::~CBarTool() {
  if (g_controlPanel == this) g_controlPanel = nullptr;
}

void CBarTool::OnInitialUpdate() {
  g_controlPanel = this;
  LoadGeneratorParams(AppFilePath(QStringLiteral("wavedata.ini")), g_generator);
}

// The panel's controls are not built yet: nothing to enable or move.
void CBarTool::EnableSampleRateSlider(bool) {}

void CBarTool::SyncSampleRateSlider() {}
