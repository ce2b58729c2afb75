#pragma once

#include "generator/MixerBackend.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

// A scripted mixer installed as the current backend while it lives: named
// elements with or without a volume, one value per channel. Counts the
// devices open at a time and the writes that reached an element.
class FakeMixerBackend : public MixerBackend {
 public:
  struct Element {
    bool hasVolume = true;
    int32_t minimum = 0;
    int32_t maximum = 65535;
    std::vector<int32_t> values;  // one per channel
    bool failReads = false;
    int writes = 0;
  };

  FakeMixerBackend() { SetMixerBackend(this); }
  ~FakeMixerBackend() override { SetMixerBackend(nullptr); }

  // An element of `channels` channels, all at `level`.
  Element& Add(const std::string& name, int channels = 2, int32_t level = 0) {
    Element& e = elements[name];
    e.values.assign(channels, level);
    return e;
  }

  std::unique_ptr<MixerDevice> OpenDevice() override {
    if (!present) return nullptr;
    return std::make_unique<Device>(*this);
  }

  bool present = true;  // false: the machine has no mixer
  int openDevices = 0;
  std::map<std::string, Element> elements;

 private:
  class Device : public MixerDevice {
   public:
    explicit Device(FakeMixerBackend& owner) : owner_(owner) { ++owner_.openDevices; }
    ~Device() override { --owner_.openDevices; }

    bool HasElement(const std::string& name) const override { return owner_.elements.contains(name); }
    std::optional<MixerVolumeInfo> FindVolume(const std::string& name) override {
      auto it = owner_.elements.find(name);
      if (it == owner_.elements.end() || !it->second.hasVolume) return std::nullopt;
      ids_.push_back(name);
      return MixerVolumeInfo{name, static_cast<uint32_t>(ids_.size() - 1),
                             static_cast<uint32_t>(it->second.values.size()), it->second.minimum, it->second.maximum};
    }
    bool ReadVolume(uint32_t id, std::span<int32_t> values) override {
      Element* e = Find(id, values.size());
      if (!e || e->failReads) return false;
      std::copy(e->values.begin(), e->values.end(), values.begin());
      return true;
    }
    bool WriteVolume(uint32_t id, std::span<const int32_t> values) override {
      Element* e = Find(id, values.size());
      if (!e) return false;
      e->values.assign(values.begin(), values.end());
      ++e->writes;
      return true;
    }

   private:
    Element* Find(uint32_t id, std::size_t channels) {
      if (id >= ids_.size()) return nullptr;
      Element& e = owner_.elements.at(ids_[id]);
      return e.values.size() == channels ? &e : nullptr;
    }
    FakeMixerBackend& owner_;
    std::vector<std::string> ids_;
  };
};
