// Writes the recordings of the kept sessions that run on a scripted simulated bus into
// the folder given: make_recordings tests/recordings
#include <cstdio>
#include <fstream>

#include "kept_sessions.h"
#include "recording_session.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_recordings FOLDER\n");
        return 2;
    }
    for (const KeptSession& session : keptSessions()) {
        if (!session.setUp) {
            continue;
        }
        sim::SimulatedBus bus;
        support::FaultInjectingLayer hid(bus);
        session.setUp(bus, hid);
        const std::string text = recordSession(hid, session.run);
        const std::string path = std::string(argv[1]) + "/" + session.file;
        std::ofstream(path, std::ios::binary) << text;
        std::printf("%s  %zu bytes\n", path.c_str(), text.size());
    }
    return 0;
}
