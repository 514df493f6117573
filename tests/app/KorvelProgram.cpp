#include "KorvelProgram.h"

#include <sys/wait.h>

#include <cstdlib>

namespace KorvelTest {

Result korvel(const std::string& arguments, const TestSupport::TempDir& dir) {
    const auto outFile = dir / "stdout.txt";
    const auto errFile = dir / "stderr.txt";
    const std::string command = std::string(KORVEL_TEST_BINARY_DIR) + "/bin/korvel " + arguments + " >" +
                                outFile.string() + " 2>" + errFile.string() + " </dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, TestSupport::readFile(outFile),
            TestSupport::readFile(errFile)};
}

}  // namespace KorvelTest
