#pragma once

// Control identifiers of the control panel's form.
enum PanelId : int {
  IDC_PANEL_FRAME = 1000,      // the etched frame stretched over the panel
  IDC_LEFT_WAVE = 1003,        // drop-down list, left waveform
  IDC_LINE_MIC_VOLUME = 1012,  // vertical slider "L&&Mi"
  IDC_MASTER_VOLUME = 1013,    // vertical slider "Vol"
  IDC_RECORDING_MIXER = 1014,  // "高级" under L&&Mi
  IDC_PLAYBACK_MIXER = 1015,   // "高级" under Vol
  IDC_SAMPLE_RATE = 1016,
  IDC_SAMPLE_RATE_EDIT = 1017,
  IDC_RISING_EDGE = 1023,
  IDC_FALLING_EDGE = 1024,
  IDC_TRIGGER_LEVEL = 1025,
  IDC_TRIGGER_LEVEL_EDIT = 1026,
  IDC_CH1_BASELINE = 1027,
  IDC_CH2_BASELINE = 1028,
  IDC_GAIN = 1029,
  IDC_GAIN_EDIT = 1030,
  IDC_CH1_PHASE = 1031,
  IDC_CH2_PHASE = 1032,
  IDC_CH1_PHASE_EDIT = 1033,
  IDC_CH2_PHASE_EDIT = 1034,
  IDC_FUNCTION_MODE = 1040,
  IDC_SWEEP_MODE = 1041,
  IDC_RIGHT_WAVE = 1042,
  IDC_LEFT_FREQ = 1043,   // left frequency, the sweep's start
  IDC_RIGHT_FREQ = 1044,  // right frequency, the sweep's end
  IDC_LEFT_PEAK = 1045,
  IDC_RISE_TIME = 1046,
  IDC_GENERATOR = 1047,  // start / stop
  IDC_LEFT_FREQ_LABEL = 1048,
  IDC_RIGHT_FREQ_LABEL = 1049,
  IDC_RIGHT_PEAK = 1050,
};
