#include "persistence/DeviceList.h"

#include "persistence/SmallFile.h"

#include <sstream>

TSavedDevice TDeviceList::ParseLine(const std::string& line) {
    TSavedDevice device;
    const auto first = line.find(';');
    device.name = line.substr(0, first);
    std::string* rightmost[] = {&device.addressPort, &device.address, &device.ipPort, &device.deviceIp};
    // Walk back from the last ";": each field lies between two separators.
    auto end = line.rfind(';');
    if (end == std::string::npos)
        return device;
    for (std::string* field : rightmost) {
        if (end == 0 || end == first)
            break;
        const auto start = line.rfind(';', end - 1);
        if (start == std::string::npos)
            break;
        *field = line.substr(start + 1, end - start - 1);
        end = start;
    }
    return device;
}

std::string TDeviceList::FormatLine(const TSavedDevice& d) {
    return d.name + ";" + d.deviceIp + ";" + d.ipPort + ";" + d.address + ";" + d.addressPort + ";";
}

void TDeviceList::Load() {
    devices_.clear();
    SmallFile::TReadError error = SmallFile::TReadError::None;
    const auto text = SmallFile::Read(path_, error);
    if (!text)
        return;
    std::istringstream in(*text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            devices_.push_back(ParseLine(line));
    }
}

bool TDeviceList::Save() const {
    std::string text;
    for (const TSavedDevice& device : devices_)
        text += FormatLine(device) + "\r\n";
    return SmallFile::Write(path_, text);
}

void TDeviceList::Replace(std::size_t index, const TSavedDevice& device) {
    if (index < devices_.size())
        devices_[index] = device;
}

void TDeviceList::Remove(std::size_t index) {
    if (index < devices_.size())
        devices_.erase(devices_.begin() + static_cast<std::ptrdiff_t>(index));
}

void TDeviceList::Move(std::size_t from, std::size_t to) {
    if (from >= devices_.size() || from == to)
        return;
    const TSavedDevice moved = devices_[from];
    devices_.erase(devices_.begin() + static_cast<std::ptrdiff_t>(from));
    to = std::min(to, devices_.size());
    devices_.insert(devices_.begin() + static_cast<std::ptrdiff_t>(to), moved);
}
