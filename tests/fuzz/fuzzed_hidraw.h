#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "protocol/adaptor_protocol.h"
#include "support/hidapi_stand_in.h"

// hidraw devices for the hidapi stand-in whose every answer the fuzzer's bytes choose:
// report descriptors (generated with reserved items, or raw bytes), identities, refused
// opens, nodes taken over as they open, unplug and replug as another product, feature
// replies short, failing or full, input reads of -1, 0 or more bytes than asked, hostile
// wide strings. It checks what reaches the devices: every stored setting was given on the
// same connection by a settings reply or by the user, every feature report has the
// length of the device's descriptor and at most 257 bytes, and only adaptors get any.
class FuzzedHidraw : public standin::Responder {
  public:
    explicit FuzzedHidraw(FuzzedDataProvider& data) : data_(data) {}

    // The user typed `value` for `address`: every connection open now may store it.
    void allowTypedValue(std::uint8_t address, int value);
    std::size_t featureReportsSent() const { return featureReportsSent_; }

    std::vector<standin::Listed> enumerate() override;
    std::optional<standin::Found> open(const std::string& path) override;
    int sendFeature(std::size_t key, std::span<const std::uint8_t> report) override;
    int getFeature(std::size_t key, std::span<std::uint8_t> report) override;
    int read(std::size_t key, std::span<std::uint8_t> buffer) override;
    int string(std::size_t key, hid::IdentityString which, std::span<wchar_t> text) override;
    void closed(std::size_t key) override;
    bool isNode(const std::string& path) override;
    std::optional<hid::FileStamp> stamp(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> file(const std::string& path) override;

  private:
    // One device at one node, until it is unplugged or another takes the node.
    struct Incarnation {
        std::string path;
        standin::DeviceFacts facts;
        std::vector<std::uint8_t> descriptor;
        std::optional<std::size_t> featureLength;  // known for generated descriptors
        std::uint64_t inode = 0;
    };
    // One open of a device: what the window may store on it.
    struct Connection {
        std::size_t incarnation = 0;
        bool open = true;
        bool settingsRequested = false;
        std::array<std::set<int>, protocol::kSettingCount> storable;
    };

    Incarnation newIncarnation(const std::string& path);
    std::vector<std::uint8_t> descriptor(std::optional<std::size_t>& featureLength);
    // The node's current device, or none when the node is gone.
    const Incarnation* at(const std::string& path) const;
    Connection* connection(std::size_t key);
    // Whether the connection's device still sits at its node.
    bool present(const Connection& connection) const;
    void checkFeatureLength(const Connection& connection, std::size_t length) const;
    bool fails() { return data_.remaining_bytes() == 0 || data_.ConsumeBool(); }

    FuzzedDataProvider& data_;
    std::deque<Incarnation> incarnations_;
    std::map<std::string, std::size_t> nodes_;  // path -> incarnation
    std::deque<Connection> connections_;        // by key
    std::uint64_t nextInode_ = 1;
    std::size_t featureReportsSent_ = 0;
};
