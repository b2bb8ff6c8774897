#pragma once

#include <string>
#include <vector>

// One saved network device.
struct TSavedDevice {
    std::string name;
    std::string deviceIp;
    std::string ipPort;
    std::string address;
    std::string addressPort;
    bool operator==(const TSavedDevice&) const = default;
};

// The saved device list, deviceList.txt: one device a line, five fields each followed by ";".
class TDeviceList {
public:
    explicit TDeviceList(std::string path) : path_(std::move(path)) {}

    // A missing or unreadable file is an empty list.
    void Load();
    bool Save() const;

    const std::vector<TSavedDevice>& Devices() const { return devices_; }
    void Append(const TSavedDevice& device) { devices_.push_back(device); }
    void Replace(std::size_t index, const TSavedDevice& device);
    void Remove(std::size_t index);
    // Moves entry `from` to position `to` (clamped to the end).
    void Move(std::size_t from, std::size_t to);

    // The fields before the last ";" are taken from the right; the name is the text before the first ";".
    static TSavedDevice ParseLine(const std::string& line);
    static std::string FormatLine(const TSavedDevice& device);

private:
    std::string path_;
    std::vector<TSavedDevice> devices_;
};
