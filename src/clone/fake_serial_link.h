// An in-process serial line from the computer's port to a simulated radio.
// Its devices stand in for the operating system's serial port, so the clone
// protocol driver can be run against the radio under the manual clock:
//
//   SimRadio radio;
//   FakeSerialLink link(radio);
//   cmcCloneDrv driver(link.NewDevice());
//
// The link must outlive the devices it hands out. The computer's port sees
// the radio's bytes only when both sides use the same speed, and loses what
// arrives while it is closed, as a real port would.
#pragma once

#include "clone/sim_radio.h"
#include "platform/serial_device.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace xtr {

class FakeSerialLink {
public:
    explicit FakeSerialLink(SimRadio& radio);
    ~FakeSerialLink();
    FakeSerialLink(const FakeSerialLink&) = delete;
    FakeSerialLink& operator=(const FakeSerialLink&) = delete;

    // A computer-side device on this line.
    std::unique_ptr<SerialDevice> NewDevice();
    // Makes every new serial port object use this line until destruction.
    void InstallAsDefault();

    // The cable is pulled (or the adapter vanishes): open devices fail on
    // every call, and opening fails, until Plug.
    void Unplug() { unplugged_ = true; }
    void Plug() { unplugged_ = false; }
    // Opening fails, as for a port that does not exist or is in use.
    void SetOpenRefused(bool refused) { openRefused_ = refused; }

    SimRadio& Radio() { return radio_; }
    // Every successful open, with the device name and the speeds configured.
    int32_t Opens() const { return opens_; }
    const std::string& LastDeviceName() const { return lastName_; }
    const std::vector<uint32_t>& ConfiguredSpeeds() const { return speeds_; }
    // Radio bytes the computer lost because its speed differed.
    int32_t GarbledAtComputer() const { return garbled_; }
    // Devices of this line currently open.
    int32_t OpenDevices() const { return openDevices_; }

private:
    class Device;

    SimRadio& radio_;
    bool unplugged_ = false;
    bool openRefused_ = false;
    bool installed_ = false;
    int32_t opens_ = 0;
    int32_t openDevices_ = 0;
    int32_t garbled_ = 0;
    std::string lastName_;
    std::vector<uint32_t> speeds_;
};

}  // namespace xtr
