#pragma once

#include <string>

#include "diagnosis/system_view.h"

// The system as seen below a root folder: "/" for the real one, a test folder for a
// fake tree. What needs the system's own calls is in rooted_system_linux.cpp, or
// rooted_system_other.cpp elsewhere.
namespace diagnosis {

class RootedSystem : public SystemView {
  public:
    explicit RootedSystem(std::string root = "/");

    std::optional<std::string> readText(const std::string& path) const override;
    std::vector<std::string> listFolder(const std::string& path) const override;
    bool exists(const std::string& path) const override;
    std::optional<FileFacts> fileFacts(const std::string& path) const override;

  private:
    std::string under(const std::string& path) const;

    std::string root_;
};

// The user and login session of this process, from the process and its environment.
SessionFacts currentSession();

// The user's id and groups into `session` (Linux only; elsewhere it adds none).
void addUserIds(SessionFacts& session);

}  // namespace diagnosis
