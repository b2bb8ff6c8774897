// A device list line written from a device must read back as that device, and a line read from a
// file must keep its device through a save. The input is a line, and also five fields parted by
// newlines.
#include "persistence/DeviceList.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

TSavedDevice FieldsOf(std::string_view text) {
    TSavedDevice device;
    std::string* fields[] = {&device.name, &device.deviceIp, &device.ipPort, &device.address,
                             &device.addressPort};
    for (std::string* field : fields) {
        const auto end = text.find('\n');
        *field = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return device;
}

bool HasSeparator(const TSavedDevice& d) {
    for (const std::string* field : {&d.name, &d.deviceIp, &d.ipPort, &d.address, &d.addressPort})
        if (field->find(';') != std::string::npos)
            return true;
    return false;
}

void CheckRoundTrip(const TSavedDevice& device) {
    if (!HasSeparator(device) && TDeviceList::ParseLine(TDeviceList::FormatLine(device)) != device)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckRoundTrip(TDeviceList::ParseLine(text));
    CheckRoundTrip(FieldsOf(text));
    return 0;
}
