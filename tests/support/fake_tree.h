#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "system/rooted_system.h"

// A test folder standing in for the root of a system: sysfs entries, /dev nodes (plain
// files with the mode asked for), the udev database, rule folders and login sessions.
class FakeTree {
  public:
    // A user that owns none of the tree's files, whoever runs the tests.
    static constexpr std::uint32_t kUser = 4242;

    FakeTree() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::filesystem::temp_directory_path() /
                ("shifter-fake-tree-" + std::string(test->test_suite_name()) + "-" + test->name());
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    ~FakeTree() { std::filesystem::remove_all(root_); }
    FakeTree(const FakeTree&) = delete;
    FakeTree& operator=(const FakeTree&) = delete;

    void write(const std::string& path, const std::string& text) const {
        const std::filesystem::path file = root_ / path.substr(1);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;  // Linux's line ends, on any system
    }

    // Where a system path lies in the test folder.
    std::string path(const std::string& systemPath) const {
        return (root_ / systemPath.substr(1)).string();
    }

    void remove(const std::string& path) const {
        std::filesystem::remove_all(root_ / path.substr(1));
    }

    // A hidraw node of `vendorProduct` ("00001DD2:000010A0") as sysfs lists it, with its
    // /dev node when `mode` is given.
    void addNode(const std::string& name, const std::string& vendorProduct, int minor,
                 std::optional<std::filesystem::perms> mode) const {
        write("/sys/class/hidraw/" + name + "/device/uevent",
              "DRIVER=hid-generic\nHID_ID=0003:" + vendorProduct +
                  "\nHID_NAME=Corvane\nHID_UNIQ=KV-0001234\n");
        write("/sys/class/hidraw/" + name + "/dev", "245:" + std::to_string(minor) + "\n");
        if (mode) {
            write("/dev/" + name, "");
            std::filesystem::permissions(root_ / "dev" / name, *mode);
        }
    }
    void tagUaccess(int minor) const {
        write("/run/udev/data/c245:" + std::to_string(minor), "E:ID_VENDOR=Corvane\nG:uaccess\n");
    }
    void addRule(const std::string& folder) const {
        write(folder + "/70-shifter-calibration.rules", "KERNEL==\"hidraw*\"\n");
    }
    void addSession(const std::string& id, const std::string& record) const {
        write("/run/systemd/sessions/" + id, record);
    }

    diagnosis::SessionFacts session(const std::string& id = "") const {
        diagnosis::SessionFacts facts;
        facts.uid = kUser;
        facts.groups = {kUser};
        facts.sessionId = id;
        facts.sessionType = "wayland";
        return facts;
    }

    diagnosis::RootedSystem system() const { return diagnosis::RootedSystem(root_.string()); }

  private:
    std::filesystem::path root_;
};
