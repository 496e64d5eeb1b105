// The hidapi functions the backend calls, answered by the installed Responder.
#include "support/hidapi_stand_in.h"

#include <hidapi.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>

struct hid_device_ {
    std::size_t key = 0;
    std::string path;
    hid_device_info info{};
    bool closed = false;
};

namespace standin {
namespace {

struct State {
    Responder* responder = nullptr;
    std::deque<std::unique_ptr<hid_device>> devices;
    std::vector<std::string> misuse;
};

std::unique_ptr<State> state;

// The device a call names, or null (and the misuse noted) when it was closed.
hid_device* live(hid_device* device, const char* call) {
    if (!state || device == nullptr) {
        return nullptr;
    }
    if (device->closed) {
        state->misuse.push_back(std::string(call) + " on a closed device " + device->path);
        return nullptr;
    }
    return device;
}

int getString(hid_device* device, hid::IdentityString which, wchar_t* text, std::size_t units,
              const char* call) {
    if (live(device, call) == nullptr || text == nullptr || units == 0) {
        return -1;
    }
    const int result = state->responder->string(device->key, which, {text, units});
    text[units - 1] = L'\0';  // hidapi always terminates within the room given
    return result;
}

}  // namespace

std::string descriptorFileOf(const std::string& devicePath) {
    return hid::sysfsDirectoryOf(devicePath) + "/device/report_descriptor";
}

Installation::Installation(Responder& responder) {
    state = std::make_unique<State>(State{&responder, {}, {}});
}

Installation::~Installation() {
    state.reset();
}

std::size_t Installation::opens() const {
    return state->devices.size();
}

std::size_t Installation::devicesStillOpen() const {
    return static_cast<std::size_t>(std::count_if(state->devices.begin(), state->devices.end(),
                                                  [](const auto& d) { return !d->closed; }));
}

const std::vector<std::string>& Installation::misuse() const {
    return state->misuse;
}

Responder* installedResponder() {
    return state == nullptr ? nullptr : state->responder;
}

}  // namespace standin

using standin::live;
using standin::state;

extern "C" {

int hid_init(void) {
    return 0;
}

int hid_exit(void) {
    return 0;
}

const char* hid_version_str(void) {
    return "stand-in";
}

hid_device_info* hid_enumerate(unsigned short vendorId, unsigned short productId) {
    if (state == nullptr) {
        return nullptr;
    }
    hid_device_info* first = nullptr;
    hid_device_info** next = &first;
    for (const standin::Listed& listed : state->responder->enumerate()) {
        if ((vendorId != 0 && listed.facts.vendorId != vendorId) ||
            (productId != 0 && listed.facts.productId != productId)) {
            continue;
        }
        auto* info = new hid_device_info{};
        info->path = strdup(listed.path.c_str());
        info->vendor_id = listed.facts.vendorId;
        info->product_id = listed.facts.productId;
        info->release_number = listed.facts.releaseNumber;
        *next = info;
        next = &info->next;
    }
    return first;
}

void hid_free_enumeration(hid_device_info* devices) {
    while (devices != nullptr) {
        hid_device_info* next = devices->next;
        std::free(devices->path);
        delete devices;
        devices = next;
    }
}

hid_device* hid_open_path(const char* path) {
    if (state == nullptr || path == nullptr) {
        return nullptr;
    }
    const std::optional<standin::Found> found = state->responder->open(path);
    if (!found) {
        return nullptr;
    }
    auto device = std::make_unique<hid_device>();
    device->key = found->key;
    device->path = path;
    device->info.path = device->path.data();
    device->info.vendor_id = found->facts.vendorId;
    device->info.product_id = found->facts.productId;
    device->info.release_number = found->facts.releaseNumber;
    return state->devices.emplace_back(std::move(device)).get();
}

void hid_close(hid_device* device) {
    if (live(device, "hid_close") != nullptr) {
        device->closed = true;
        state->responder->closed(device->key);
    }
}

hid_device_info* hid_get_device_info(hid_device* device) {
    return live(device, "hid_get_device_info") == nullptr ? nullptr : &device->info;
}

int hid_set_nonblocking(hid_device* device, int) {
    return live(device, "hid_set_nonblocking") == nullptr ? -1 : 0;
}

int hid_send_feature_report(hid_device* device, const unsigned char* data, size_t length) {
    if (live(device, "hid_send_feature_report") == nullptr) {
        return -1;
    }
    return state->responder->sendFeature(device->key, {data, length});
}

int hid_get_feature_report(hid_device* device, unsigned char* data, size_t length) {
    if (live(device, "hid_get_feature_report") == nullptr) {
        return -1;
    }
    return state->responder->getFeature(device->key, {data, length});
}

// hidapi gives the descriptor from 0.14 on (on Windows rebuilt from the preparsed data);
// the scripted devices keep theirs where Linux keeps it.
int hid_get_report_descriptor(hid_device* device, unsigned char* bytes, size_t room) {
    if (live(device, "hid_get_report_descriptor") == nullptr) {
        return -1;
    }
    const auto descriptor = state->responder->file(standin::descriptorFileOf(device->path));
    if (!descriptor || descriptor->size() > room) {
        return -1;
    }
    std::copy(descriptor->begin(), descriptor->end(), bytes);
    return static_cast<int>(descriptor->size());
}

int hid_read_timeout(hid_device* device, unsigned char* data, size_t length, int) {
    if (live(device, "hid_read_timeout") == nullptr) {
        return -1;
    }
    return state->responder->read(device->key, {data, length});
}

int hid_get_manufacturer_string(hid_device* device, wchar_t* text, size_t units) {
    return standin::getString(device, hid::IdentityString::Manufacturer, text, units,
                              "hid_get_manufacturer_string");
}

int hid_get_product_string(hid_device* device, wchar_t* text, size_t units) {
    return standin::getString(device, hid::IdentityString::Product, text, units,
                              "hid_get_product_string");
}

int hid_get_serial_number_string(hid_device* device, wchar_t* text, size_t units) {
    return standin::getString(device, hid::IdentityString::SerialNumber, text, units,
                              "hid_get_serial_number_string");
}

}  // extern "C"
