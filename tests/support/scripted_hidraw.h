#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sim/adaptor_model.h"
#include "support/hidapi_stand_in.h"

// Scripted hidraw devices for the hidapi stand-in: adaptors answered by the adaptor model,
// other devices that answer nothing, and the faults of a real system: short feature
// replies, a node taken over by another device, odd report descriptors, hostile strings.
namespace standin {

struct ScriptedNode {
    std::string path;  // "/dev/hidrawN"
    DeviceFacts facts;
    std::vector<std::uint8_t> descriptor;
    std::optional<sim::AdaptorModel> adaptor;  // answers feature reports when set
    std::wstring manufacturer = L"Corvane";
    std::wstring product = L"Kelvo shifter adaptor";
    std::wstring serialNumber = L"KV-0001234";
    // Feature replies stop after this many bytes (report ID included) when set.
    std::optional<int> featureReplyLength;
    std::uint64_t inode = 0;  // unique to this device's node
    bool present = true;
    std::deque<std::vector<std::uint8_t>> input;  // as hidraw hands it over
    std::vector<std::vector<std::uint8_t>> featureReportsReceived;
};

// A vendor-defined descriptor without report IDs: 5-byte input reports and feature reports
// of `featureLength` bytes (both counting the report-ID byte), with `extra` items inside
// the collection before the feature item.
std::vector<std::uint8_t> vendorDescriptor(std::uint16_t featureLength,
                                           const std::vector<std::uint8_t>& extra = {});

class ScriptedSystem : public Responder {
  public:
    // A device at the next free /dev/hidrawN, listed by enumeration.
    ScriptedNode& addAdaptor(const sim::AdaptorIdentity& identity = sim::kelvoIdentity());
    ScriptedNode& addDevice(DeviceFacts facts);
    // From now on `replacement` sits at the node of `node`, which is gone.
    ScriptedNode& takeOverNode(const ScriptedNode& node, DeviceFacts replacement);
    // Runs as an open of `path` starts, before anything is found there.
    std::function<void(const std::string& path)> beforeOpen;
    // Runs once the device at `path` was found, before the open returns.
    std::function<void(const std::string& path)> afterOpen;

    std::vector<Listed> enumerate() override;
    std::optional<Found> open(const std::string& path) override;
    int sendFeature(std::size_t key, std::span<const std::uint8_t> report) override;
    int getFeature(std::size_t key, std::span<std::uint8_t> report) override;
    int read(std::size_t key, std::span<std::uint8_t> buffer) override;
    int string(std::size_t key, hid::IdentityString which, std::span<wchar_t> text) override;
    bool isNode(const std::string& path) override;
    std::optional<hid::FileStamp> stamp(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> file(const std::string& path) override;

  private:
    ScriptedNode& add(ScriptedNode node, std::string path);
    // The device at `path` now, if any.
    ScriptedNode* at(const std::string& path);
    ScriptedNode* live(std::size_t key);

    std::deque<ScriptedNode> nodes_;  // never erased: keys are indexes
    std::map<std::string, std::size_t> byPath_;
    std::uint64_t nextInode_ = 1000;
};

}  // namespace standin
