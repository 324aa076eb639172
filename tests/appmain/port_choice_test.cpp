// The ports of this computer as Port menu choices: what each entry says,
// which one is checked, how a choice and a typed path are kept in the
// settings, and how the numbered ports of the menu give way to them.
#include "app_fixture.h"

#include "app/environ.h"
#include "app/globals.h"
#include "app/main/port_choice.h"
#include "overlay/gtex.h"

namespace xtr::test {
namespace {

class ListedPorts : public SerialPortLister {
public:
    std::vector<SerialPortInfo> List() override { return ports; }
    std::vector<SerialPortInfo> ports;
};

SerialPortInfo Port(std::string device, std::string description, std::string serial, std::string byId = {})
{
    SerialPortInfo port;
    port.device = std::move(device);
    port.description = std::move(description);
    port.serialNumber = std::move(serial);
    port.byId = std::move(byId);
    return port;
}

class PortChoiceTest : public AppTest {
protected:
    // The checked state of the numbered port's item, as the menu shows it.
    bool NumberedChecked(const std::string& caption)
    {
        return form.menu.At(form.menu.Named(caption, form.menu.Named("&Port"))).checked;
    }

    ListedPorts lister;
};

TEST_F(PortChoiceTest, EntriesNameDeviceAdapterAndSerialAndCheckTheChosenOne)
{
    StartAttached();
    lister.ports = {Port("/dev/ttyACM0", "Cable & Co. USB", "A1B2", "/dev/serial/by-id/usb-Cable_A1B2-if00"),
                    Port("/dev/ttyS0", "", ""), Port("/dev/ttyUSB0", "", "77")};
    PortChoice choice(lister);
    std::vector<PortMenuEntry> entries = choice.Entries();
    ASSERT_EQ(entries.size(), 3u);
    // "&" of a name is doubled, or the menu would take it for a hot key.
    EXPECT_EQ(entries[0].caption, "/dev/ttyACM0   Cable && Co. USB, serial A1B2");
    EXPECT_EQ(entries[1].caption, "/dev/ttyS0");
    EXPECT_EQ(entries[2].caption, "/dev/ttyUSB0   serial 77");
    for (const PortMenuEntry& entry : entries) {
        EXPECT_FALSE(entry.checked) << entry.device;  // the numbered port stands
    }

    // The stable by-id name of a device counts as that device.
    Env().portDevice = "/dev/serial/by-id/usb-Cable_A1B2-if00";
    entries = choice.Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_TRUE(entries[0].checked);

    // A chosen device that is unplugged now still shows, checked, last.
    Env().portDevice = "/dev/ttyUSB5";
    entries = choice.Entries();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[3].device, "/dev/ttyUSB5");
    EXPECT_TRUE(entries[3].checked);
    EXPECT_FALSE(entries[3].listed);
}

TEST_F(PortChoiceTest, AChosenDeviceUnchecksTheNumberedPortsUntilOneOfThemIsChosen)
{
    StartAttached();
    time->Advance(20);
    ASSERT_TRUE(NumberedChecked("COM&1"));
    lister.ports = {Port("/dev/ttyACM0", "Radio cable", "")};
    PortChoice choice(lister);
    choice.Choose("/dev/ttyACM0");
    EXPECT_EQ(Env().portDevice, "/dev/ttyACM0");
    time->Advance(20);  // event 2 refreshes the menus
    EXPECT_FALSE(NumberedChecked("COM&1"));
    EXPECT_TRUE(choice.Entries().at(0).checked);

    // Choosing COM3 from the menu goes back to the numbered ports.
    form.menu.Click(form.menu.Named("COM&3", form.menu.Named("&Port")));
    time->Advance(20);
    EXPECT_EQ(Env().portDevice, "");
    EXPECT_EQ(Env().comPort, 3);
    EXPECT_TRUE(NumberedChecked("COM&3"));
    EXPECT_FALSE(choice.Entries().at(0).checked);
}

TEST_F(PortChoiceTest, TypedPathsAreTakenAsDevicesAndOtherTextIsRefusedChangingNothing)
{
    StartAttached();
    PortChoice choice(lister);
#ifndef _WIN32
    // A bare name lives in /dev.
    ASSERT_TRUE(choice.ChooseTyped("  ttyACM1 "));
    EXPECT_EQ(Env().portDevice, "/dev/ttyACM1");
    EXPECT_EQ(choice.TypedDefault(), "/dev/ttyACM1");
    ASSERT_TRUE(choice.ChooseTyped("/dev/serial/by-id/usb-FTDI_A9-if00-port0"));
    EXPECT_EQ(Env().portDevice, "/dev/serial/by-id/usb-FTDI_A9-if00-port0");

    // A relative path would depend on the folder the program runs in.
    EXPECT_FALSE(choice.ChooseTyped("dev/ttyUSB0"));
    EXPECT_FALSE(choice.ChooseTyped("/dev/tty\tUSB0"));
    EXPECT_EQ(Env().portDevice, "/dev/serial/by-id/usb-FTDI_A9-if00-port0");
    ASSERT_EQ(messages.asked.size(), 2u);
    EXPECT_NE(messages.asked[0].text.find("\"dev/ttyUSB0\" is not a device path"), std::string::npos)
        << messages.asked[0].text;
    EXPECT_EQ(messages.asked[0].caption, GTex().FirstLine("GI_Sys_AppTitle"));
#endif
    // Nothing typed: the numbered port again.
    ASSERT_TRUE(choice.ChooseTyped("   "));
    EXPECT_EQ(Env().portDevice, "");
}

TEST(PortDeviceSetting, IsKeptInTheSettingsAndOlderSettingsHaveNone)
{
    MemorySettings store;
    LocalInstanceGuard guard;
    const EnvironServices services{&store, &guard, ScreenSize{1024, 768}};
    {
        indEnviron env(kEnvironGuardName, kEnvironPerUserKey, services);
        env.comPort = 4;
        env.portDevice = "/dev/ttyACM0";
        ASSERT_TRUE(env.SaveAtExit());
    }
    {
        indEnviron env(kEnvironGuardName, kEnvironPerUserKey, services);
        EXPECT_EQ(env.portDevice, "/dev/ttyACM0");
        EXPECT_EQ(env.comPort, 4);
    }
    // Settings written before the device path existed read as before.
    const std::string global = std::string(kEnvironPerUserKey) + "\\Global";
    store.RemoveValue(global, "PortDevice");
    ASSERT_FALSE(store.ReadString(global, "PortDevice").has_value());
    indEnviron env(kEnvironGuardName, kEnvironPerUserKey, services);
    EXPECT_EQ(env.comPort, 4);
    EXPECT_EQ(env.portDevice, "");
}

}  // namespace
}  // namespace xtr::test
