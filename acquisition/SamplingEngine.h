#pragma once

#include "acquisition/RecentInput.h"
#include "acquisition/RecordingBuffer.h"
#include "acquisition/RecordingSpool.h"
#include "analysis/TraceBuffer.h"
#include "files/WaveFormat.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

class AudioInput;

// What a record-bar or sampling command asks of the window after the engine
// has done its part.
struct TransportResult {
  bool noData = false;           // tell the user "No data played!" and select Stop
  bool samplingStopped = false;  // the frame's samplingOn becomes 0
  bool samplingStarted = false;  // the frame's samplingOn becomes 1
  bool askForFile = false;       // show the save dialog, then SaveUserRecording or nothing
  bool refused = false;          // the command did nothing (the user has been told why)
  bool setSliderRange = false;   // set the replay slider's range to 0..sliderMax
  int32_t sliderMax = 0;
  bool setSliderPos = false;     // move the replay slider to sliderPos
  int32_t sliderPos = 0;
};

// Owns every sample buffer: the live input, the frozen sample, the recording
// and the two display traces. Takes input blocks from the sound card, turns
// one frame per display tick into ch1Trace / ch2Trace, and keeps the record
// and replay state (g_recordState, g_playbackPos) for the window's commands.
// Reads and writes the shared globals (g_settings, g_displayMode, ...).
class SamplingEngine {
 public:
  static constexpr std::size_t kBlockBytes = 4096;
  static constexpr int kPlaybackStep = 20;  // elements the replay moves per tick

  explicit SamplingEngine(AudioInput* input = nullptr);
  ~SamplingEngine();
  SamplingEngine(const SamplingEngine&) = delete;
  SamplingEngine& operator=(const SamplingEngine&) = delete;

  // --- the sound card's input ---
  void SetAudioInput(AudioInput* input);
  // Opens the input with the format g_settings names and starts it;
  // "Init fail!" when no device takes it.
  void OpenWaveIn();
  // Closes the input; "Error No.1" when it does not close cleanly.
  void CloseWaveIn();
  void StartWaveIn();
  void StopWaveIn();
  bool WaveInOpen() const;
  // One filled input block (up to 4096 bytes).
  void OnWaveInData(const uint8_t* data, std::size_t count);
  // The most recent live input (the sound card's blocks as shown, or what a
  // plug-in gave on each tick); started afresh whenever the input (re)starts.
  const RecentInput& Recent() const { return recent_; }

  // --- the display tick ---
  // Converts one frame of the current source into the traces (ConvertFrame8
  // or ConvertFrame16 by the sample width).
  void ConvertFrame();
  void ConvertFrame8();
  void ConvertFrame16();
  // Called with the new g_playbackPos after each replay advance (moves the slider).
  std::function<void(int32_t)> onPlaybackAdvanced;

  // --- the frozen sample ---
  void CaptureSample();
  void ClearSample();

  // --- recording and replay commands ---
  // Record starts the sound card's input when it is not running; it is
  // refused (with a message) in the function-signal view and while a
  // plug-in is the source. Extending a recording puts the recording's own
  // format in force first (its channels, rate and width), so one file never
  // holds two formats.
  TransportResult Record(bool samplingOn);
  TransportResult Playback();
  TransportResult Pause();
  // Stop ends a recording at once: no block is appended after it. The
  // recording then waits, unsaved, until SaveUserRecording succeeds (or it
  // is discarded); Stop asks for a file whenever one is waiting.
  TransportResult Stop();
  // Writes the unsaved recording in the format it was recorded in. False
  // after telling the user why: the recording stays unsaved.
  bool SaveUserRecording(const QString& path);
  // Forgets that the recording is the user's: nothing waits to be saved.
  void DiscardUserRecording();
  // The folder where the user's recording is spooled while it is in
  // progress or unsaved (RecordingSpool); empty: no spool.
  void SetSpoolFolder(const QString& folder) { spoolFolder_ = folder; }
  const RecordingSpool& Spool() const { return spool_; }
  // A recording the user made that is in progress or not yet saved.
  bool HasUserRecording() const { return userRecording_; }
  // The recording now holds `format`'s frames (a generated signal).
  void SetHeldFormat(const WaveFormat& format) { heldFormat_ = format; }
  TransportResult StartSampling(bool samplingOn);
  TransportResult StopSampling(bool samplingOn);
  // The replay slider was moved (by the user or by the program).
  void SetPlaybackPos(int32_t position);

  // --- the recording ---
  // The recording buffer of the current sample width and its size.
  RecordingBuffer& CurrentRecording();
  const RecordingBuffer& CurrentRecording() const;
  std::size_t RecBytes() const { return CurrentRecording().Size(); }
  // Samples of one channel each: bytes in 8-bit, bytes / 2 in 16-bit.
  std::size_t RecElements() const;
  // The range the replay slider takes: 0..(elements - 2048), never below 0.
  int32_t ReplaySliderMax() const;

  // --- files ---
  // Writes the recording as a WAV file with `format`; returns recBytes / 2, or
  // 0 after telling the user "Error creating file".
  uint32_t WriteWavFile(const QString& path, const WaveFormat& format);
  // Writes the frozen sample (4096 bytes) with waveFormat.
  bool WriteSampleWavFile(const QString& path);
  // Loads a PCM WAV file as the recording in the current sample width and
  // takes its channels and sample rate; g_playbackPos becomes 0. Returns the
  // 16-bit words loaded, or 0 with `reason` set and nothing changed. A file
  // whose data was cut short is loaded to its end, with a status note.
  uint32_t ReadWavFile(const QString& path, QString* reason);

  TraceBuffer ch1Trace{};
  TraceBuffer ch2Trace{};
  std::array<uint8_t, kBlockBytes> liveBuf8{};
  std::array<int16_t, kBlockBytes / 2> liveBuf16{};
  std::array<uint8_t, kBlockBytes> sampleBuf8{};
  std::array<int16_t, kBlockBytes / 2> sampleBuf16{};
  RecordingBuffer recBuf16;
  RecordingBuffer recBuf8;
  WaveFormat waveFormat;

 private:
  // The buffer of the width the user's recording was made in, whatever
  // width is in force now.
  const RecordingBuffer& UserRecording() const;
  void AppendToRecording(const uint8_t* data, std::size_t count);
  // `liveStalled`: the live buffer got no new data this tick, so a live
  // frame is not converted again.
  template <typename Element, typename ToValue>
  void ConvertFrameFrom(const Element* live, const Element* sample, bool liveStalled, ToValue toValue);

  // Resumes the input, reopening it when the format in force is not the
  // one it runs in (the generator or an opened file changed it).
  void ResumeInput();
  // Starts spooling the user's recording with what it holds already.
  void StartSpool();
  void SpoolFailed(const QString& reason);
  // The recording is saved or discarded: its spool goes.
  void EndUserRecording();

  AudioInput* input_ = nullptr;
  RecentInput recent_;
  WaveFormat inputFormat_;        // the format the input was last opened with
  bool recordingHalted_ = false;  // memory or the cap ran out: recording stopped, data kept
  bool userRecording_ = false;    // see HasUserRecording
  WaveFormat recordFormat_;       // the format of the user's recording
  // The format of what the recording holds (a recording made, a file
  // loaded, a signal generated); none before anything filled it.
  WaveFormat heldFormat_;
  QString spoolFolder_;
  RecordingSpool spool_;
  bool spoolFailed_ = false;  // told once; the recording goes on in memory
  // Staging for one frame taken from the recording (2048 elements of up to
  // 2 bytes; 8-bit frames use its bytes).
  std::array<int16_t, kBlockBytes / 2> frameStage_{};
};
