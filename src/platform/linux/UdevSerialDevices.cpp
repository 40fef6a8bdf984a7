#include "platform/linux/UdevSerialDevices.h"

#include <libudev.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/linux/ConfigPaths.h"
#include "platform/linux/LinuxSerialPorts.h"

namespace fs = std::filesystem;

namespace {

struct UdevRelease {
    void operator()(udev* context) const { udev_unref(context); }
    void operator()(udev_enumerate* scan) const { udev_enumerate_unref(scan); }
    void operator()(udev_device* device) const { udev_device_unref(device); }
};
template <typename T>
using UdevPtr = std::unique_ptr<T, UdevRelease>;

std::string Text(const char* value) {
    return value ? value : "";
}

// The path a name leads to, links followed; empty when nothing is there.
std::string Resolved(const fs::path& path) {
    std::error_code error;
    const fs::path target = fs::canonical(path, error);
    return error ? std::string() : target.string();
}

fs::path DosdevicesFolder() {
    return fs::path(QuorvaneConfigDir()) / "dosdevices";
}

fs::path ComLink(int port) {
    return DosdevicesFolder() / ("com" + std::to_string(port));
}

fs::path ByIdFolder() {
    const char* stand_in = std::getenv(kSerialByIdVariable);
    return (stand_in && *stand_in) ? stand_in : "/dev/serial/by-id";
}

// An adapter names its maker and product itself; udev's hardware database names others.
std::string Description(udev_device* tty) {
    if (udev_device* usb =
            udev_device_get_parent_with_subsystem_devtype(tty, "usb", "usb_device")) {
        const std::string maker = Text(udev_device_get_sysattr_value(usb, "manufacturer"));
        const std::string product = Text(udev_device_get_sysattr_value(usb, "product"));
        if (maker.empty() || product.starts_with(maker)) return product;
        return product.empty() ? maker : maker + " " + product;
    }
    const std::string vendor = Text(udev_device_get_property_value(tty, "ID_VENDOR_FROM_DATABASE"));
    const std::string model = Text(udev_device_get_property_value(tty, "ID_MODEL_FROM_DATABASE"));
    if (!vendor.empty() || !model.empty()) return vendor.empty() ? model : vendor + " " + model;
    // Newer kernels put the serial core's own devices between the tty and its bus.
    udev_device* bus = udev_device_get_parent(tty);
    while (bus && Text(udev_device_get_subsystem(bus)) == "serial-base")
        bus = udev_device_get_parent(bus);
    const std::string subsystem = bus ? Text(udev_device_get_subsystem(bus)) : "";
    if (subsystem == "pci") return "PCI serial port";
    if (subsystem == "pnp" || subsystem == "platform") return "Built-in serial port";
    return "Serial port";
}

// The legacy 8250 driver makes ttyS0..ttyS31 under its own platform device whether or not
// a port is fitted; a fitted one hangs off its bus (pnp, pci) instead. Consoles and
// pseudo-terminals have no parent at all.
bool HasPortBehind(udev_device* tty) {
    udev_device* parent = udev_device_get_parent(tty);
    for (udev_device* up = parent; up; up = udev_device_get_parent(up))
        if (Text(udev_device_get_sysname(up)) == "serial8250") return false;
    return parent != nullptr;
}

std::vector<SerialDevice> UdevDevices() {
    std::vector<SerialDevice> found;
    const UdevPtr<udev> context(udev_new());
    if (!context) return found;
    const UdevPtr<udev_enumerate> scan(udev_enumerate_new(context.get()));
    if (!scan || udev_enumerate_add_match_subsystem(scan.get(), "tty") < 0 ||
        udev_enumerate_scan_devices(scan.get()) < 0)
        return found;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(scan.get())) {
        const UdevPtr<udev_device> tty(
            udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        const char* node = tty ? udev_device_get_devnode(tty.get()) : nullptr;
        if (node && HasPortBehind(tty.get()))
            found.push_back({Resolved(node), {}, Description(tty.get())});
    }
    std::sort(found.begin(), found.end(),
              [](const SerialDevice& a, const SerialDevice& b) { return a.Node < b.Node; });
    return found;
}

SerialDevice* FindNode(std::vector<SerialDevice>& devices, const std::string& node) {
    const auto found = std::find_if(devices.begin(), devices.end(),
                                    [&](const SerialDevice& d) { return d.Node == node; });
    return found == devices.end() ? nullptr : &*found;
}

// Sorted by name, so that the list keeps its order from one opening to the next.
std::vector<fs::path> FolderEntries(const fs::path& folder) {
    std::vector<fs::path> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) names.push_back(entry.path());
    std::sort(names.begin(), names.end());
    return names;
}

// Stable names for the devices found, and the adapters udev does not show.
void AddByIdNames(std::vector<SerialDevice>& devices) {
    for (const fs::path& link : FolderEntries(ByIdFolder())) {
        const std::string node = Resolved(link);
        if (node.empty()) continue;
        if (SerialDevice* known = FindNode(devices, node)) {
            if (known->StableName.empty()) known->StableName = link.string();
        } else {
            devices.push_back({node, link.string(), link.filename().string()});
        }
    }
}

// A device the user reaches through a link of their own is present, whatever udev says.
void AddLinkedDevices(std::vector<SerialDevice>& devices) {
    for (const fs::path& link : FolderEntries(DosdevicesFolder())) {
        const std::string node = Resolved(link);
        std::error_code error;
        const fs::path target = fs::read_symlink(link, error);
        if (node.empty() || error || FindNode(devices, node)) continue;
        devices.push_back({node, {}, target.string()});
    }
}

}  // namespace

std::vector<SerialDevice> UdevSerialDevices::PresentDevices() {
    std::vector<SerialDevice> devices = UdevDevices();
    AddByIdNames(devices);
    AddLinkedDevices(devices);
    return devices;
}

std::string UdevSerialDevices::ComPortNode(int port) {
    return Resolved(ComDevicePath("COM" + std::to_string(port)));
}

bool UdevSerialDevices::ComPortAssigned(int port) {
    std::error_code error;
    return fs::exists(fs::symlink_status(ComLink(port), error));
}

bool UdevSerialDevices::AssignComPort(int port, const SerialDevice& device) {
    std::error_code error;
    fs::create_directories(DosdevicesFolder(), error);
    // The stable name finds the adapter again whichever socket it is plugged into.
    const std::string target = device.StableName.empty() ? device.Node : device.StableName;
    fs::create_symlink(target, ComLink(port), error);
    return !error;
}
