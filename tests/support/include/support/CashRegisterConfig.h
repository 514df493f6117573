// The configuration of a shop whose cash registers take XML transfer files in a test
// directory, with the evening sending of automatic discount types switched on or off.
#pragma once

#include <filesystem>
#include <string>

namespace TestSupport {

std::string cashRegisterConfiguration(const std::filesystem::path& outputDirectory, bool eveningDiscounts);

}  // namespace TestSupport
