// The korvel command line: global options, then one command with its arguments.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Korvel::App {

struct CommandLine {
    std::optional<std::string> configPath;   // --config, else KORVEL_CONFIG
    std::optional<std::string> databaseUrl;  // --database, else KORVEL_DATABASE
    bool help = false;
    std::string command;                 // "fire", "actions", "db", "evening", "gui" or "send-all"
    std::vector<std::string> arguments;  // what follows the command
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses argv[1..]; environment defaults are applied by the caller's getenv.
CommandLine parseCommandLine(const std::vector<std::string>& args, const char* (*getenv)(const char*));

extern const char* const usageText;

}  // namespace Korvel::App
