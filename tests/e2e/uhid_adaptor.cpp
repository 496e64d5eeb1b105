// The virtual adaptor in the guest: serves the adaptor model on /dev/uhid until told
// to quit. Commands come one a line on standard input:
//   unplug | replug | hold X Y | tour | quit
// Status lines go to standard output: "up PRODUCT" once the kernel started the device,
// "down" after an unplug, "held", "touring", and "bye" before it exits.
//   uhid_adaptor kelvo|mirad|usb|loader LOG_FILE
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>

#include "adaptor_emulator.h"

namespace {

// Writes the line and its newline in one call, so a reader never sees half of it.
void writeLine(int fd, const std::string& line) {
    const std::string text = line + "\n";
    if (::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        std::fprintf(stderr, "uhid_adaptor: cannot write: %s\n", std::strerror(errno));
    }
}

enum class Outcome { Continue, Quit, Failed };

Outcome runCommand(const std::string& line, e2e::AdaptorEmulator& emulator) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    if (command == "unplug") {
        return emulator.unplug() ? Outcome::Continue : Outcome::Failed;
    }
    if (command == "replug") {
        return emulator.plug() ? Outcome::Continue : Outcome::Failed;
    }
    if (command == "hold") {
        unsigned x = 0;
        unsigned y = 0;
        if (!(words >> x >> y) || x > 255 || y > 255) {
            return Outcome::Failed;
        }
        emulator.holdLever({static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), false});
        writeLine(STDOUT_FILENO, "held");
        return Outcome::Continue;
    }
    if (command == "tour") {
        emulator.tourLever();
        writeLine(STDOUT_FILENO, "touring");
        return Outcome::Continue;
    }
    if (command == "quit") {
        return Outcome::Quit;
    }
    std::fprintf(stderr, "uhid_adaptor: unknown command '%s'\n", line.c_str());
    return Outcome::Failed;
}

// Reads what standard input has and runs every whole line; end of input means quit.
Outcome takeCommands(std::string& pending, e2e::AdaptorEmulator& emulator) {
    char chunk[256];
    const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (got <= 0) {
        return Outcome::Quit;
    }
    pending.append(chunk, static_cast<std::size_t>(got));
    for (std::size_t end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
        const std::string line = pending.substr(0, end);
        pending.erase(0, end + 1);
        if (const Outcome outcome = runCommand(line, emulator); outcome != Outcome::Continue) {
            return outcome;
        }
    }
    return Outcome::Continue;
}

Outcome serveUntilQuit(e2e::UhidDevice& device, e2e::AdaptorEmulator& emulator) {
    std::string pending;
    for (;;) {
        const auto now = e2e::AdaptorEmulator::Clock::now();
        pollfd watched[2] = {{device.fd(), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        if (::poll(watched, 2, emulator.millisecondsUntilInput(now)) < 0 && errno != EINTR) {
            return Outcome::Failed;
        }
        if (watched[0].revents & POLLIN) {
            const auto request = device.read();
            if (!request || !emulator.serve(*request)) {
                return Outcome::Failed;
            }
        }
        if (watched[1].revents & (POLLIN | POLLHUP)) {
            if (const Outcome outcome = takeCommands(pending, emulator);
                outcome != Outcome::Continue) {
                return outcome;
            }
        }
        if (!emulator.sendDueInput(e2e::AdaptorEmulator::Clock::now())) {
            return Outcome::Failed;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const auto identity = argc == 3 ? sim::identityNamed(argv[1]) : std::nullopt;
    if (!identity) {
        std::fprintf(stderr, "usage: uhid_adaptor kelvo|mirad|usb|loader LOG_FILE\n");
        return 2;
    }
    const int logFd = ::open(argv[2], O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
    if (logFd < 0) {
        std::fprintf(stderr, "uhid_adaptor: cannot open %s: %s\n", argv[2], std::strerror(errno));
        return 1;
    }
    e2e::UhidDevice device;
    if (!device.openControl()) {
        std::fprintf(stderr, "uhid_adaptor: cannot open /dev/uhid: %s\n", std::strerror(errno));
        return 1;
    }
    e2e::AdaptorEmulator emulator(
        device, *identity, [logFd](const std::string& line) { writeLine(logFd, line); },
        [](const std::string& line) { writeLine(STDOUT_FILENO, line); });
    if (!emulator.plug()) {
        std::fprintf(stderr, "uhid_adaptor: cannot create the device: %s\n", std::strerror(errno));
        return 1;
    }
    const Outcome outcome = serveUntilQuit(device, emulator);
    if (outcome == Outcome::Failed) {
        std::fprintf(stderr, "uhid_adaptor: the device failed: %s\n", std::strerror(errno));
    }
    emulator.logFinalState();
    if (emulator.plugged()) {
        emulator.unplug();
    }
    writeLine(STDOUT_FILENO, "bye");
    ::close(logFd);
    return outcome == Outcome::Quit ? 0 : 1;
}
