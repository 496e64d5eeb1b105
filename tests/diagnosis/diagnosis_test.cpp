// The access diagnosis against fake trees: each case found, and the fix it names.
#include "diagnosis/diagnosis.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <future>

#include "diagnosis/diagnosis_text.h"
#include "support/fake_tree.h"

namespace {

using diagnosis::Finding;
using std::filesystem::perms;

constexpr const char* kKelvo = "00001DD2:000010A0";
constexpr perms kOwnerOnly = perms::owner_read | perms::owner_write;
constexpr perms kEveryone =
    kOwnerOnly | perms::group_read | perms::group_write | perms::others_read | perms::others_write;
const std::string kRetrigger =
    "sudo udevadm control --reload-rules && sudo udevadm trigger --subsystem-match=hidraw";

class Diagnosis : public ::testing::Test {
  protected:
    diagnosis::Diagnosis run(const std::string& sessionId = "") const {
        return diagnosis::diagnose(tree.system(), tree.session(sessionId));
    }
    FakeTree tree;
};

TEST_F(Diagnosis, RuleMissingNamesTheInstallAndRetrigger) {
    tree.addNode("hidraw3", kKelvo, 3, kOwnerOnly);
    const diagnosis::Diagnosis found = run();
    ASSERT_EQ(found.nodes.size(), 1u);
    EXPECT_EQ(found.nodes[0].devicePath, "/dev/hidraw3");
    EXPECT_EQ(found.nodes[0].serialNumber, "KV-0001234");
    EXPECT_FALSE(found.nodes[0].mayOpen);
    EXPECT_EQ(found.finding, Finding::RuleMissing);
    EXPECT_EQ(diagnosis::fixFor(found).command,
              "sudo install -m 644 packaging/70-shifter-calibration.rules /etc/udev/rules.d/ && " +
                  kRetrigger);
}

TEST_F(Diagnosis, RuleOnlyUnderUsrLocalIsMovedWhereUdevReadsIt) {
    tree.addNode("hidraw3", kKelvo, 3, kOwnerOnly);
    tree.addRule("/usr/local/lib/udev/rules.d");
    const diagnosis::Diagnosis found = run();
    EXPECT_EQ(found.finding, Finding::RuleOnlyInUnreadFolder);
    EXPECT_EQ(diagnosis::fixFor(found).command,
              "sudo mv /usr/local/lib/udev/rules.d/70-shifter-calibration.rules "
              "/etc/udev/rules.d/ && " +
                  kRetrigger);
    EXPECT_NE(diagnosis::diagnosisText(found).find(
                  "/usr/local/lib/udev/rules.d: present (udev does not read this folder"),
              std::string::npos);
}

TEST_F(Diagnosis, RulePresentButNodeNotTaggedNeedsARetrigger) {
    tree.addNode("hidraw3", kKelvo, 3, kOwnerOnly);
    for (const char* folder : {"/usr/lib/udev/rules.d", "/etc/udev/rules.d"}) {
        SCOPED_TRACE(folder);
        tree.addRule(folder);
        const diagnosis::Diagnosis found = run();
        EXPECT_EQ(found.finding, Finding::NotTagged);
        EXPECT_FALSE(found.nodes[0].taggedUaccess);
        EXPECT_EQ(diagnosis::fixFor(found).command, kRetrigger);
        EXPECT_EQ(diagnosis::refusalAdvice(found), diagnosis::fixFor(found).sentence);
    }
}

TEST_F(Diagnosis, TaggedButSessionWithoutASeatIsToldToRunAtTheMachine) {
    tree.addNode("hidraw3", kKelvo, 3, kOwnerOnly);
    tree.addRule("/usr/lib/udev/rules.d");
    tree.tagUaccess(3);
    tree.addSession("7", "UID=4242\nREMOTE=1\nSEAT=seat0\n");
    tree.addSession("8", "UID=4242\nTYPE=tty\n");
    for (const char* session : {"", "7", "8"}) {
        SCOPED_TRACE(session);
        const diagnosis::Diagnosis found = run(session);
        EXPECT_TRUE(found.nodes[0].taggedUaccess);
        EXPECT_EQ(found.finding, Finding::NoSeat);
        const diagnosis::Fix fix = diagnosis::fixFor(found);
        EXPECT_NE(fix.sentence.find("run the program from the desktop session"), std::string::npos);
    }
    // A seat session reached over SSH has no seat of its own either.
    tree.addSession("2", "UID=4242\nSEAT=seat0\n");
    diagnosis::SessionFacts overSsh = tree.session("2");
    overSsh.overSsh = true;
    EXPECT_EQ(diagnosis::diagnose(tree.system(), overSsh).finding, Finding::NoSeat);
    // At the seat, with everything in place, only a replug is left.
    EXPECT_EQ(run("2").finding, Finding::Replug);
}

TEST_F(Diagnosis, SandboxWithoutTheDeviceNamesThePermissionToGrant) {
    tree.write("/.flatpak-info", "[Application]\nname=net.shiftercal.ShifterCalibration\n");
    tree.write("/run/udev/data/README", "");
    tree.addNode("hidraw3", kKelvo, 3, std::nullopt);
    const diagnosis::Diagnosis found = run();
    EXPECT_TRUE(found.sandboxed);
    EXPECT_FALSE(found.nodes[0].visible);
    EXPECT_EQ(found.finding, Finding::SandboxWithoutDevice);
    EXPECT_EQ(diagnosis::fixFor(found).command,
              "flatpak override --user --device=all net.shiftercal.ShifterCalibration");

    // Given the device but not the udev database.
    tree.addNode("hidraw3", kKelvo, 3, kOwnerOnly);
    tree.remove("/run/udev");
    const diagnosis::Diagnosis withoutUdev = run();
    EXPECT_EQ(withoutUdev.finding, Finding::SandboxWithoutUdev);
    EXPECT_EQ(
        diagnosis::fixFor(withoutUdev).command,
        "flatpak override --user --filesystem=/run/udev:ro net.shiftercal.ShifterCalibration");
}

TEST_F(Diagnosis, AllWellWhenEveryNodeOpensAndForeignNodesAreIgnored) {
    tree.addNode("hidraw0", "0000046D:0000C52B", 0, kOwnerOnly);
    tree.addNode("hidraw3", kKelvo, 3, kEveryone);
    const diagnosis::Diagnosis found = run();
    ASSERT_EQ(found.nodes.size(), 1u);
    EXPECT_TRUE(found.nodes[0].mayOpen);
    EXPECT_EQ(found.finding, Finding::AllWell);
    EXPECT_EQ(diagnosis::fixFor(found).command, "");
    // A refusal the diagnosis cannot explain still gets Linux's advice: the rule and udev.
    EXPECT_NE(diagnosis::refusalAdvice(found).find("udevadm trigger"), std::string::npos);
}

TEST_F(Diagnosis, NoNodeOfOursMeansNoAdaptor) {
    EXPECT_EQ(run().finding, Finding::NoAdaptor);
    tree.addNode("hidraw0", "0000046D:0000C52B", 0, kOwnerOnly);
    EXPECT_EQ(run().finding, Finding::NoAdaptor);
}

TEST_F(Diagnosis, FullTextNamesOwnerModeTagAndTheFix) {
    tree.addNode("hidraw3", kKelvo, 3, kOwnerOnly);
    const auto facts = tree.system().fileFacts("/dev/hidraw3");
    ASSERT_TRUE(facts.has_value());
    tree.write("/etc/passwd", "tester:x:" + std::to_string(facts->owner) + ":0::/:/bin/sh\n");
    const std::string text = diagnosis::diagnosisText(run());
    for (const char* expected :
         {"/dev/hidraw3 (adaptor 1dd2:10a0): this user may not open it (no udev rule installed)",
          "owner tester, group ", "mode 0600, access list: none", "udev tag uaccess: no",
          "/usr/lib/udev/rules.d: missing", "Sandbox: none", "Fix: No udev rule gives",
          "    sudo install -m 644"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
}

// The access list as the system stores it, read back through the rooted system.
TEST(RootedSystem, ReadsTheModeAndTheAccessListOfANode) {
    FakeTree tree;
    tree.addNode("hidraw3", kKelvo, 3, kOwnerOnly);
    const std::string node = tree.path("/dev/hidraw3");
    // Version 2, then tag, permissions, id: owner rw, user 4242 rw, group r, mask rw.
    const unsigned char acl[] = {2,    0,    0,    0,    0x01, 0,    6,    0,    0xFF, 0xFF, 0xFF,
                                 0xFF, 0x02, 0,    6,    0,    0x92, 0x10, 0,    0,    0x04, 0,
                                 4,    0,    0xFF, 0xFF, 0xFF, 0xFF, 0x10, 0,    6,    0,    0xFF,
                                 0xFF, 0xFF, 0xFF, 0x20, 0,    0,    0,    0xFF, 0xFF, 0xFF, 0xFF};
    if (setxattr(node.c_str(), "system.posix_acl_access", acl, sizeof acl, 0) != 0) {
        GTEST_SKIP() << "the test folder's file system keeps no access lists";
    }
    const auto facts = tree.system().fileFacts("/dev/hidraw3");
    ASSERT_TRUE(facts.has_value());
    ASSERT_EQ(facts->acl.size(), 1u);
    EXPECT_EQ(facts->acl[0].kind, diagnosis::AclEntry::Kind::User);
    EXPECT_EQ(facts->acl[0].id, FakeTree::kUser);
    EXPECT_TRUE(facts->acl[0].read && facts->acl[0].write);
    EXPECT_EQ(facts->aclMask, (std::pair{true, true}));
    EXPECT_TRUE(diagnosis::permitsReadWrite(*facts, tree.session()));
    EXPECT_NE(diagnosis::diagnosisText(diagnosis::diagnose(tree.system(), tree.session()))
                  .find("access list: user:4242:rw"),
              std::string::npos);
}

// Neither a FIFO where a file is expected nor a session id that makes a path stops it.
TEST(RootedSystem, ReadsRegularFilesOnlyAndTakesPlainSessionIdsOnly) {
    FakeTree tree;
    const std::string fifo = tree.path("/fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    auto reading = std::async(std::launch::async, [&] { return tree.system().readText("/fifo"); });
    if (reading.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ::close(::open(fifo.c_str(), O_WRONLY));  // lets the blocked read end
        ADD_FAILURE() << "reading a FIFO blocked";
    }
    EXPECT_FALSE(reading.get().has_value());
    for (const std::string& id : std::initializer_list<std::string>{
             "c2", "../x", "a/b", "..", "fifo\n", std::string(65, '7')}) {
        ::setenv("XDG_SESSION_ID", id.c_str(), 1);
        EXPECT_EQ(diagnosis::currentSession().sessionId, id == "c2" ? id : "") << id;
    }
    ::unsetenv("XDG_SESSION_ID");
}

TEST(AccessCheck, OwnerGroupAccessListAndOthers) {
    diagnosis::SessionFacts user;
    user.uid = 1000;
    user.groups = {1000, 20};
    diagnosis::FileFacts node;
    node.owner = 0;
    node.group = 0;
    node.mode = 0600;
    EXPECT_FALSE(diagnosis::permitsReadWrite(node, user));

    node.acl.push_back({diagnosis::AclEntry::Kind::User, 1000, true, true});
    EXPECT_TRUE(diagnosis::permitsReadWrite(node, user));
    node.aclMask = std::pair{true, false};  // the mask takes write away
    EXPECT_FALSE(diagnosis::permitsReadWrite(node, user));

    node.acl = {{diagnosis::AclEntry::Kind::Group, 20, true, true}};
    node.aclMask.reset();
    EXPECT_TRUE(diagnosis::permitsReadWrite(node, user));

    diagnosis::FileFacts plain{0, 20, 0660, {}, std::nullopt};
    EXPECT_TRUE(diagnosis::permitsReadWrite(plain, user));
    plain.mode = 0606;  // a matching group without rights does not fall back to others
    EXPECT_FALSE(diagnosis::permitsReadWrite(plain, user));
    plain.group = 5;
    EXPECT_TRUE(diagnosis::permitsReadWrite(plain, user));

    user.uid = 0;
    EXPECT_TRUE(diagnosis::permitsReadWrite(diagnosis::FileFacts{}, user));
}

}  // namespace
